#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "testframe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

// The store as any program reading the settings file sees it, without Orvane's key table.
QStringList storedNames() {
    QSettings raw(QStringLiteral("Orvane"), QStringLiteral("Orvane"));
    raw.beginGroup(QStringLiteral("Options"));
    return raw.childKeys();
}

void storeRaw(const QString& name, const QVariant& value) {
    QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane"))
        .setValue(QStringLiteral("Options/") + name, value);
}

QString settingsFile() {
    return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane")).fileName();
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void freshStoreAnswersDefaults_data() {
        QTest::addColumn<SettingKey>("key");
        QTest::addColumn<QString>("readerDefault");
        QTest::addColumn<QString>("optionsDefault");
        const auto row = [](SettingKey key, const char* name, const char* reader,
                            const char* options) {
            QTest::newRow(name) << key << QString::fromLatin1(reader)
                                << QString::fromLatin1(options);
        };
        using K = SettingKey;
        row(K::FontNameValue, "FontNameValue", "", "Courier New");
        row(K::FontNameSize, "FontNameSize", "", "");
        row(K::FontNameIndex, "FontNameIndex", "", "");
        row(K::FontSizeIndex, "FontSizeIndex", "3", "3");
        row(K::StandardToolbarValue, "StandardToolbarValue", "1", "1");
        row(K::FormattingToolbarValue, "FormattingToolbarValue", "1", "1");
        row(K::StatusbarValue, "StatusbarValue", "1", "1");
        row(K::DefaultBrowser, "DefaultBrowser", "True", "True");
        row(K::IEBrowser, "IEBrowser", "False", "False");
        row(K::NSBrowser, "NSBrowser", "False", "False");
        row(K::SDKLocation, "SDKLocation", "Unknown location", "Unknown location");
        row(K::SDKNormal, "SDKNormal", "", "False");
        row(K::SDKDebug, "SDKDebug", "", "False");
        row(K::SDKOptimize, "SDKOptimize", "", "False");
        row(K::SDKVerbose, "SDKVerbose", "", "False");
        row(K::AuthorName, "AuthorName", "Author's Name", "Author's Name");
        row(K::UsedPreviousVersion, "UsedPreviousVersion", "100", "100");
    }

    void freshStoreAnswersDefaults() {
        QFETCH(SettingKey, key);
        QFETCH(QString, readerDefault);
        QFETCH(QString, optionsDefault);
        const TemporarySettings temporary;
        SettingsStore store;
        QCOMPARE(store.get(key), readerDefault);
        QCOMPARE(store.getForOptions(key), optionsDefault);
        QVERIFY(storedNames().isEmpty()); // reading writes nothing

        // The value lands under the key spelled exactly as the row names it.
        store.save(key, QStringLiteral("stored"));
        QCOMPARE(storedNames(), QStringList{QString::fromLatin1(QTest::currentDataTag())});
        QCOMPARE(store.get(key), QStringLiteral("stored"));
    }

    // A later run parses the file afresh, so texts that look like lists, numbers or Qt's own
    // markers must come back exactly as written.
    void valuesSurviveTheNextRun_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("Jane Doe");
        QTest::newRow("comma") << QStringLiteral("Doe, Jane");
        QTest::newRow("outer blanks") << QStringLiteral("  padded  ");
        QTest::newRow("empty") << QString();
        QTest::newRow("number") << QStringLiteral("13");
        QTest::newRow("at marker") << QStringLiteral("@Variant(x)");
        QTest::newRow("quotes and backslash") << QStringLiteral(R"(C:\jdk "1.3"\bin;x=y)");
        QTest::newRow("non-Latin") << QStringLiteral("Zoë Šťastná 日本");
        QTest::newRow("line break") << QStringLiteral("one\r\ntwo");
    }

    void valuesSurviveTheNextRun() {
        QFETCH(QString, text);
        const TemporarySettings firstRun;
        SettingsStore().save(SettingKey::AuthorName, text);
        const QString file = settingsFile();

        const TemporarySettings secondRun;
        const QString copy = settingsFile();
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
        QFile::remove(copy);
        QVERIFY(QFile::copy(file, copy));
        QCOMPARE(SettingsStore().get(SettingKey::AuthorName), text);
    }

    void wrongFormValuesReadAsTextOrDefault_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("list of two") << QVariant(QStringList{"1", "0"}) << QStringLiteral("100");
        QTest::newRow("whole number") << QVariant(101) << QStringLiteral("101");
        QTest::newRow("rectangle") << QVariant(QRect(1, 2, 3, 4)) << QStringLiteral("100");
        QTest::newRow("map") << QVariant(QVariantMap{{"a", 1}}) << QStringLiteral("100");
    }

    void wrongFormValuesReadAsTextOrDefault() {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        const TemporarySettings temporary;
        storeRaw(QStringLiteral("UsedPreviousVersion"), stored);
        QCOMPARE(SettingsStore().get(SettingKey::UsedPreviousVersion), expected);
    }

    // Every reader of the start-up survives a store in which every key holds a list.
    void startUpSurvivesWrongFormValues() {
        TestFrame test;
        for (int i = 0; i < settingKeyCount; ++i)
            storeRaw(settingName(static_cast<SettingKey>(i)),
                     QStringList{QStringLiteral("1"), QStringLiteral("x")});
        QVERIFY(test.start());
        QVERIFY(test.frame().isBarVisible(Bar::Standard));
        QVERIFY(test.desktop.messages.isEmpty());
        const QFont font = test.active()->editor().font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSizeF(), 11.0);
    }

    void storedFontIsUsed_data() {
        QTest::addColumn<QVariant>("size");
        QTest::addColumn<double>("points");
        QTest::newRow("text") << QVariant(QStringLiteral("14")) << 14.0;
        QTest::newRow("number") << QVariant(16) << 16.0;
        QTest::newRow("unusable") << QVariant(QStringLiteral("0")) << 11.0;
    }

    void storedFontIsUsed() {
        QFETCH(QVariant, size);
        QFETCH(double, points);
        TestFrame test;
        storeRaw(QStringLiteral("FontNameValue"), QStringLiteral("DejaVu Sans Mono"));
        storeRaw(QStringLiteral("FontNameSize"), size);
        QVERIFY(test.start());
        QCOMPARE(test.active()->editor().font().pointSizeF(), points);
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
