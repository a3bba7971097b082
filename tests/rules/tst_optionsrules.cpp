#include "settings/optionsrules.h"

#include <QHash>
#include <QTest>

using namespace orvane;

namespace {

using Stored = QHash<QString, QString>;

OptionsForm freshForm() {
    return {QStringLiteral("Courier New"),
            QStringLiteral("11"),
            true,
            true,
            true,
            BrowserChoice::Default,
            QStringLiteral("Unknown location"),
            std::nullopt};
}

} // namespace

Q_DECLARE_METATYPE(OptionsForm)

class TestOptionsRules : public QObject {
    Q_OBJECT

private slots:
    void loadsWhatIsStored_data() {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<OptionsForm>("form");

        QTest::newRow("fresh store") << Stored() << freshForm();
        QTest::newRow("foreign forms fall back") << Stored{{"FontSizeIndex", "7"},
                                                           {"StandardToolbarValue", "2"},
                                                           {"DefaultBrowser", "true"},
                                                           {"IEBrowser", "1"},
                                                           {"SDKNormal", "on"}}
                                                 << freshForm();

        OptionsForm saved{QStringLiteral("Serif"),
                          QStringLiteral("13"),
                          false,
                          true,
                          true,
                          std::nullopt,
                          QStringLiteral("/jdk/bin/javac"),
                          CompileChoice::Verbose};
        QTest::newRow("saved, typed size, cleared browser")
            << Stored{{"FontNameValue", "Serif"},  {"FontNameSize", "13"},
                      {"FontSizeIndex", "-1"},     {"StandardToolbarValue", "0"},
                      {"DefaultBrowser", "False"}, {"SDKLocation", "/jdk/bin/javac"},
                      {"SDKVerbose", "True"}}
            << saved;

        OptionsForm later = freshForm();
        later.browser = BrowserChoice::Netscape;
        later.compileMode = CompileChoice::Optimized;
        QTest::newRow("the later selected option wins") << Stored{{"IEBrowser", "True"},
                                                                  {"NSBrowser", "True"},
                                                                  {"SDKNormal", "True"},
                                                                  {"SDKOptimize", "True"}}
                                                        << later;
    }

    void loadsWhatIsStored() {
        QFETCH(Stored, stored);
        QTEST(LoadOptions([&stored](SettingKey key) {
                  return stored.value(settingName(key), optionsDefault(key));
              }),
              "form");
    }

    void savesFifteenKeysInOrder() {
        const OptionsForm form{QStringLiteral("Mono"),
                               QStringLiteral("10"),
                               true,
                               false,
                               true,
                               std::nullopt,
                               QStringLiteral(" C:\\jdk\\bin\\javac.exe "),
                               CompileChoice::Normal};
        QStringList keys;
        QStringList texts;
        for (const SettingValue& value : OptionsToSave(form, {"Sans", "Mono"})) {
            keys << settingName(value.key);
            texts << value.text;
        }
        QCOMPARE(keys,
                 QStringList({"FontNameValue", "FontNameSize", "FontNameIndex", "FontSizeIndex",
                              "StandardToolbarValue", "FormattingToolbarValue", "StatusbarValue",
                              "DefaultBrowser", "IEBrowser", "NSBrowser", "SDKLocation",
                              "SDKNormal", "SDKDebug", "SDKOptimize", "SDKVerbose"}));
        QCOMPARE(texts,
                 QStringList({"Mono", "10", "1", "2", "1", "0", "1", "False", "False", "False",
                              "C:\\jdk\\bin\\javac.exe", "True", "False", "False", "False"}));
    }

    void browseFilters() {
        QCOMPARE(CompilerFileFilters(HostPlatform::Windows),
                 QStringList({"Java Compiler (javac.exe)", "All Files (*.*)"}));
        QCOMPARE(CompilerFileFilters(HostPlatform::Linux),
                 QStringList({"Java Compiler (javac)", "All Files (*)"}));
    }
};

QTEST_APPLESS_MAIN(TestOptionsRules)
#include "tst_optionsrules.moc"
