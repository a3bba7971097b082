#include "settings/optionsrules.h"

#include <QHash>
#include <QTest>

using namespace orvane;

namespace {

using Stored = QHash<QString, QString>;

// A store holding `values`; absent keys read as the Options dialog's defaults.
StoredSetting storeWith(const Stored& values) {
    return [values](SettingKey key) {
        return values.value(settingName(key), optionsDefault(key));
    };
}

OptionsForm defaults() {
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

        QTest::newRow("fresh store") << Stored() << defaults();

        OptionsForm saved{QStringLiteral("Serif"),
                          QStringLiteral("16"),
                          false,
                          true,
                          false,
                          BrowserChoice::Explorer,
                          QStringLiteral("/jdk/bin/javac"),
                          CompileChoice::Optimized};
        QTest::newRow("saved") << Stored{{"FontNameValue", "Serif"},        {"FontSizeIndex", "6"},
                                         {"StandardToolbarValue", "0"},     {"StatusbarValue", "0"},
                                         {"DefaultBrowser", "False"},       {"IEBrowser", "True"},
                                         {"SDKLocation", "/jdk/bin/javac"}, {"SDKOptimize", "True"}}
                               << saved;

        QTest::newRow("foreign forms fall back")
            << Stored{{"FontSizeIndex", "7"},    {"StandardToolbarValue", "2"},
                      {"StatusbarValue", "yes"}, {"DefaultBrowser", "true"},
                      {"IEBrowser", "1"},        {"SDKNormal", "on"}}
            << defaults();

        OptionsForm typed = defaults();
        typed.sizeText = QStringLiteral("13");
        QTest::newRow("typed size shows again")
            << Stored{{"FontSizeIndex", "-1"}, {"FontNameSize", "13"}} << typed;

        OptionsForm last = defaults();
        last.browser = BrowserChoice::Netscape;
        last.compileMode = CompileChoice::Verbose;
        QTest::newRow("later selected option wins") << Stored{{"IEBrowser", "True"},
                                                              {"NSBrowser", "True"},
                                                              {"SDKNormal", "True"},
                                                              {"SDKDebug", "True"},
                                                              {"SDKVerbose", "True"}}
                                                    << last;

        OptionsForm cleared = defaults();
        cleared.browser.reset();
        QTest::newRow("cleared option selects no other")
            << Stored{{"DefaultBrowser", "False"}} << cleared;
    }

    void loadsWhatIsStored() {
        QFETCH(Stored, stored);
        QFETCH(OptionsForm, form);
        QCOMPARE(LoadOptions(storeWith(stored)), form);
    }

    void savesFifteenKeysInOrder() {
        OptionsForm form{QStringLiteral("Mono"),
                         QStringLiteral("10"),
                         true,
                         false,
                         true,
                         std::nullopt,
                         QStringLiteral(" C:\\jdk\\bin\\javac.exe "),
                         CompileChoice::Normal};
        const QList<SettingValue> expected{
            {SettingKey::FontNameValue, "Mono"},
            {SettingKey::FontNameSize, "10"},
            {SettingKey::FontNameIndex, "1"},
            {SettingKey::FontSizeIndex, "2"},
            {SettingKey::StandardToolbarValue, "1"},
            {SettingKey::FormattingToolbarValue, "0"},
            {SettingKey::StatusbarValue, "1"},
            {SettingKey::DefaultBrowser, "False"},
            {SettingKey::IEBrowser, "False"},
            {SettingKey::NSBrowser, "False"},
            {SettingKey::SDKLocation, "C:\\jdk\\bin\\javac.exe"},
            {SettingKey::SDKNormal, "True"},
            {SettingKey::SDKDebug, "False"},
            {SettingKey::SDKOptimize, "False"},
            {SettingKey::SDKVerbose, "False"},
        };
        QCOMPARE(OptionsToSave(form, {"Sans", "Mono", "Serif"}), expected);
        form.fontName = QStringLiteral("mono");
        QCOMPARE(OptionsToSave(form, {"Sans", "Mono"}).at(2).text, QStringLiteral("-1"));
    }

    void numericValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        QTest::newRow("whole") << "13"
                               << "13";
        QTest::newRow("leading blanks") << "  9"
                                        << "9";
        QTest::newRow("fraction") << "10.50"
                                  << "10.5";
        QTest::newRow("trailing text") << "12pt"
                                       << "12";
        QTest::newRow("text") << "abc"
                              << "0";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("negative") << "-4"
                                  << "-4";
    }

    void numericValue() {
        QFETCH(QString, text);
        QTEST(NumericValueText(text), "value");
    }

    void fontAfterOptions() {
        QCOMPARE(FontAfterOptions(QStringLiteral("Mono"), QStringLiteral("13")),
                 std::optional<EditorFont>(EditorFont{QStringLiteral("Mono"), 13}));
        QCOMPARE(FontAfterOptions(QStringLiteral("Mono"), QStringLiteral("0")), std::nullopt);
        QCOMPARE(FontAfterOptions(QString(), QStringLiteral("0")),
                 std::optional<EditorFont>(builtInEditorFont));
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
