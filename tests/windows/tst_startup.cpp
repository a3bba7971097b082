#include "app/projectsfolder.h"
#include "document/documentwindow.h"
#include "templates/wizardcommand.h"
#include "testframe.h"
#include "toolchain/toolchaincommands.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QSettings>

using namespace orvane;
using namespace orvane::test;

namespace {

QSettings raw() {
    return QSettings(settingsApplication, settingsApplication);
}

} // namespace

// The settings store, and the start-up that reads it.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // Rows follow the key order and are named with the exact spelling of their key. The stored
    // texts look like lists, numbers or Qt's own markers, and must come back as written.
    void eachKey_data() {
        QTest::addColumn<SettingKey>("key");
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("stored");
        int index = 0;
        const auto row = [&index](const char* name, const char* reader, const char* options,
                                  const char* stored) {
            QTest::newRow(name) << static_cast<SettingKey>(index++) << QString::fromLatin1(reader)
                                << QString::fromLatin1(options) << QString::fromUtf8(stored);
        };
        row("FontNameValue", "", "Courier New", "Zoë 日本");
        row("FontNameSize", "", "", "13");
        row("FontNameIndex", "", "", "");
        row("FontSizeIndex", "3", "3", "  padded  ");
        row("StandardToolbarValue", "1", "1", "0");
        row("FormattingToolbarValue", "1", "1", "0");
        row("StatusbarValue", "1", "1", "0");
        row("DefaultBrowser", "True", "True", "False");
        row("IEBrowser", "False", "False", "True");
        row("NSBrowser", "False", "False", "True");
        row("SDKLocation", "Unknown location", "Unknown location", R"(C:\jdk "1.3"\bin)");
        row("SDKNormal", "", "False", "@Variant(x)");
        row("SDKDebug", "", "False", "True");
        row("SDKOptimize", "", "False", "True");
        row("SDKVerbose", "", "False", "True");
        row("AuthorName", "Author's Name", "Author's Name", "Doe, Jane");
        row("UsedPreviousVersion", "100", "100", "one\r\ntwo");
    }

    void eachKey() {
        QFETCH(SettingKey, key);
        QFETCH(QString, stored);
        const TemporarySettings firstRun;
        SettingsStore store;
        QTEST(store.get(key), "reader");
        QTEST(store.getForOptions(key), "options");
        QVERIFY(raw().allKeys().isEmpty());
        store.save(key, stored);
        QCOMPARE(raw().allKeys(),
                 QStringList{QStringLiteral("Options/") + QTest::currentDataTag()});

        // The next run parses the file afresh.
        const QString file = raw().fileName();
        const TemporarySettings secondRun;
        QVERIFY(QDir().mkpath(QFileInfo(raw().fileName()).path()));
        QVERIFY(QFile::copy(file, raw().fileName()));
        QCOMPARE(SettingsStore().get(key), stored);
    }

    // A portable copy keeps its projects beside the program. Where nothing can be created there
    // (below a regular file, as tests run as root) the user's data folder holds them, and only
    // the first run shows the welcome. The wizard writes where the Run dialog looks, either way.
    void startUp_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("fresh installation") << true;
        QTest::newRow("Projects cannot be created") << false;
    }

    void startUp() {
        QFETCH(bool, writable);
        TestFrame test;
        QFile file(test.desktop.programFolderPath + QStringLiteral("/file"));
        if (!writable) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            test.desktop.programFolderPath = file.fileName() + QStringLiteral("/bin");
        }
        const QString expected = writable ? ProjectsFolderPath(test.desktop.programFolderPath)
                                          : UserProjectsFolderPath();
        QVERIFY(test.start());
        QCOMPARE(test.frame().projectsFolder(), expected);
        MainFrame(test.desktop, test.store).start(); // the next run
        QCOMPARE(test.desktop.messages.size(), writable ? 0 : 1);
        QCOMPARE(raw().value("Options/UsedPreviousVersion"),
                 writable ? QVariant() : QVariant("101"));
        for (const Message& welcome : test.desktop.messages) {
            QCOMPARE(welcome.title, QStringLiteral("Welcome to Orvane [Service Release 1 (SR1)]"));
            QCOMPARE(welcome.text,
                     QStringLiteral("This Service Release corrected serveral known "
                                    "issues discovered in the Gold Release.  For more "
                                    "information, see the history.txt file for details."));
            QCOMPARE(welcome.icon, MessageIcon::Information);
        }

        test.desktop.driveDialog([](QDialog& wizard) {
            wizard.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
        });
        ShowDocumentWizard(test.frame(), QStringLiteral("5"));
        QVERIFY(QFileInfo::exists(expected + QStringLiteral("Document1.java")));
        test.desktop.driveDialog([](QDialog& run) {
            const auto* files = run.findChild<QListWidget*>(QStringLiteral("File1"));
            QVERIFY(!files->findItems("Document1.java", Qt::MatchExactly).isEmpty());
        });
        ShowRunDialog(test.frame());
        QVERIFY(test.desktop.dialogDrivers.isEmpty());
    }

    // Only "1" shows a bar. Readers take a value of the wrong form as the default or as text;
    // the editor font falls back to Courier New 11 without a name or a usable size.
    void startUpReadsTheSettings_data() {
        QTest::addColumn<QString>("key"); // empty: every key; "none": no key
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QList<Bar>>("hidden");
        QTest::addColumn<double>("points");
        const auto row = [](const char* name, const char* key, const QVariant& stored,
                            const QList<Bar>& hidden, double points) {
            QTest::newRow(name) << QString::fromLatin1(key) << stored << hidden << points;
        };
        const QList<Bar> all{Bar::Standard, Bar::Object, Bar::Status};
        row("nothing stored", "none", {}, {}, 11);
        row("standard 0", "StandardToolbarValue", "0", {Bar::Standard}, 11);
        row("object True", "FormattingToolbarValue", "True", {Bar::Object}, 11);
        row("status 0", "StatusbarValue", "0", {Bar::Status}, 11);
        row("lists", "", QStringList{"1", "0"}, {}, 11);
        row("rectangles", "", QRect(1, 2, 3, 4), {}, 11);
        row("whole numbers", "", 16, all, 16);
        row("nan", "", "nan", all, 11);
    }

    void startUpReadsTheSettings() {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QList<Bar>, hidden);
        TestFrame test;
        const QStringList names =
            QStringLiteral(
                "FontNameValue FontNameSize FontNameIndex FontSizeIndex StandardToolbarValue "
                "FormattingToolbarValue StatusbarValue DefaultBrowser IEBrowser NSBrowser "
                "SDKLocation "
                "SDKNormal SDKDebug SDKOptimize SDKVerbose AuthorName UsedPreviousVersion")
                .split(u' ');
        for (const QString& name : names) {
            if (key.isEmpty() || key == name)
                raw().setValue(QStringLiteral("Options/") + name, stored);
        }
        QVERIFY(test.start());
        for (Bar bar : {Bar::Standard, Bar::Object, Bar::Status})
            QCOMPARE(test.frame().isBarVisible(bar), !hidden.contains(bar));
        QTEST(test.active()->editor().font().pointSizeF(), "points");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
