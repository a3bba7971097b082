#include "about/aboutcommand.h"
#include "about/abouttexts.h"
#include "about/versiontext.h"
#include "app/helpcommands.h"
#include "app/helplinks.h"
#include "app/projectsfolder.h"
#include "document/documentwindow.h"
#include "document/openinbrowser.h"
#include "settings/optionscommand.h"
#include "templates/wizardcommand.h"
#include "testframe.h"
#include "toolchain/toolchaincommands.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QSettings>
#include <QTabWidget>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

using Messages = QList<std::tuple<QString, QString, MessageIcon>>;

namespace {

// Every key, in the order the Options dialog writes its first fifteen.
const QStringList keys =
    u"FontNameValue FontNameSize FontNameIndex FontSizeIndex StandardToolbarValue "
    "FormattingToolbarValue StatusbarValue DefaultBrowser IEBrowser NSBrowser SDKLocation "
    "SDKNormal SDKDebug SDKOptimize SDKVerbose AuthorName UsedPreviousVersion"_s.split(u' ');

QSettings raw() {
    return QSettings(settingsApplication, settingsApplication);
}

template <typename Widget = QAbstractButton> Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

QStringList storedOptions(const SettingsStore& settings) {
    QStringList values;
    for (const QString& key : keys.first(15))
        values << settings.get(key, QStringLiteral("absent"));
    return values;
}

// What the dialog shows: font, size and its place in the list, each box as 1 or 0, location.
QString shown(QDialog& d) {
    auto* size = child<QComboBox>(d, "cboSize");
    QStringList state{child<QComboBox>(d, "cboFonts")->currentText(), size->currentText(),
                      QString::number(size->currentIndex())};
    for (const char* box : {"chkStandard", "chkFormat", "chkStatus", "optDefault", "optExplorer",
                            "optNetscape", "optNormal", "optDebug", "optOptimized", "optVerbose"})
        state << (child(d, box)->isChecked() ? "1" : "0");
    return (state << child<QLineEdit>(d, "txtCompiler")->text()).join(u' ');
}

Messages messages(const FakeDesktop& desktop) {
    Messages shown;
    for (const Message& message : desktop.messages)
        shown.append({message.text, message.title, message.icon});
    return shown;
}

} // namespace

// The settings store, the start-up that reads it, View > Options and the Help menus.
class TestOptionsAndHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;

    FakeDesktop& fake() const { return test_->desktop; }
    MainFrame& frame() const { return test_->frame(); }

    // Opens the dialog on `tab`, lets `edit` work on it and presses `button`.
    void confirm(const std::function<void(QDialog&)>& edit, const char* button = "cmdOk",
                 OptionsTab tab = OptionsTab::General) {
        fake().driveDialog([&](QDialog& d) {
            edit(d);
            child(d, button)->click();
        });
        ShowOptionsDialog(frame(), tab);
    }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<TestFrame>())->start()); }
    void cleanup() { test_.reset(); }

    // Browse cancelled keeps the location.
    void freshStoreShowsDefaultsAndCancelWritesNothing() {
        fake().answerFileDialog(std::nullopt);
        confirm(
            [](QDialog& d) {
                QCOMPARE(child<QTabWidget>(d, "SSTab1")->currentIndex(), 2);
                child(d, "cmdBrowse")->click();
                QCOMPARE(shown(d), u"Courier New 11 3 1 1 1 1 0 0 1 0 0 0 Unknown location"_s);
                child<QComboBox>(d, "cboSize")->setEditText(QStringLiteral("14"));
                child(d, "optVerbose")->setChecked(true);
            },
            "cmdCancel", OptionsTab::Compiler);
        QCOMPARE(raw().allKeys(), QStringList());
    }

    // Only the active window takes the font; a typed size survives reopening, "abc" stores 0.
    void okWritesEverythingAndReopensWithIt() {
        fake().answerFileDialog(QStringLiteral("  /opt/jdk/bin/javac "));
        const QStringList fonts = QFontDatabase::families();
        const QFont otherFont = frame().activeDocument()->editor().font();
        const QPlainTextEdit& active = frame().newDocumentWindow()->editor();
        confirm([&](QDialog& d) {
            child<QComboBox>(d, "cboFonts")->setCurrentIndex(int(fonts.size()) - 1);
            child<QComboBox>(d, "cboSize")->setEditText(QStringLiteral("13"));
            child(d, "chkFormat")->setChecked(false);
            child(d, "optNetscape")->setChecked(true);
            child(d, "cmdBrowse")->click();
            child(d, "optDebug")->setChecked(true);
        });
        const QStringList saved =
            QStringList{fonts.last(), "13", QString::number(fonts.size() - 1)} +
            QStringLiteral("-1 1 0 1 False False True /opt/jdk/bin/javac False True False False")
                .split(u' ');
        QCOMPARE(storedOptions(test_->store), saved);
        QCOMPARE(raw().allKeys().size(), 15);
        QCOMPARE(std::pair(active.font().family(), active.font().pointSizeF()),
                 std::pair(fonts.last(), 13.0));
        QCOMPARE(frame().documentWindows().constFirst()->editor().font(), otherFont);

        confirm([&](QDialog& d) {
            QCOMPARE(shown(d), fonts.last() + " 13 -1 1 0 1 0 0 1 0 1 0 0 /opt/jdk/bin/javac");
        });
        QCOMPARE(storedOptions(test_->store), saved);

        frame().activeDocument()->setEditorFont({QStringLiteral("Serif"), 20});
        const QFont before = active.font();
        confirm([](QDialog& d) { child<QComboBox>(d, "cboSize")->setEditText(u"abc"_s); });
        QCOMPARE(test_->store.get(SettingKey::FontNameSize), u"0"_s);
        QCOMPARE(active.font(), before);
    }

    // A stored value the dialog never writes shows the dialog's default instead.
    void showsWhatIsStored_data() {
        QTest::addColumn<QString>("stored"); // key value key value...
        QTest::addColumn<QString>("shown");
        QTest::newRow("last size") << "FontSizeIndex 6"
                                   << "Courier New 16 6 1 1 1 1 0 0 1 0 0 0 Unknown location";
        QTest::newRow("size index past the list")
            << "FontSizeIndex 7 FontNameSize 13"
            << "Courier New 11 3 1 1 1 1 0 0 1 0 0 0 Unknown location";
        QTest::newRow("typed size, bars and browsers")
            << "FontSizeIndex -1 FontNameSize 13 StatusbarValue 0 FormattingToolbarValue yes "
               "IEBrowser True SDKVerbose True SDKLocation /jdk/javac"
            << "Courier New 13 -1 1 1 0 0 1 0 0 0 0 1 /jdk/javac";
        QTest::newRow("no browser, no compile mode")
            << "DefaultBrowser False SDKNormal False"
            << "Courier New 11 3 1 1 1 0 0 0 1 0 0 0 Unknown location";
    }

    void showsWhatIsStored() {
        QFETCH(QString, stored);
        const QStringList pairs = stored.split(u' ');
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            test_->store.save(pairs[i], pairs[i + 1]);
        QString seen;
        confirm([&](QDialog& d) { seen = shown(d); }, "cmdCancel");
        QTEST(seen, "shown");
    }

    // The version names the platform; a missing system-information tool is said, a found one run.
    void aboutBox() {
        fake().missingPrograms = SystemInformationTools();
        fake().driveDialog([this](QDialog& d) {
            QStringList texts{d.windowTitle()};
            for (const char* name : {"lblTitle", "Label4", "lblVersion"})
                texts << d.findChild<QLabel*>(QString::fromLatin1(name))->text();
            QCOMPARE(texts, QStringList({"About Orvane", "Orvane", "Service Release 1 (SR1)",
                                         "Version 1.01 for Linux"}));
            auto* cmdSysInfo = d.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
            cmdSysInfo->click();
            QVERIFY(d.isVisible());
            fake().missingPrograms.clear();
            fake().foundPrograms.insert(SystemInformationTools().constFirst(), u"/opt/sysinfo"_s);
            cmdSysInfo->click();
        });
        ShowAboutBox(frame());
        QCOMPARE(VersionLine(VersionText(2, 3, 14), HostPlatform::Linux),
                 QStringLiteral("Version 2.314 for Linux"));
        QCOMPARE(messages(fake()),
                 Messages({{QStringLiteral("System Information Is Unavailable At This Time"),
                            QString(), MessageIcon::None}}));
        QCOMPARE(fake().detachedCalls.size(), 1);
        QCOMPARE(fake().detachedCalls.constFirst().program, u"/opt/sysinfo"_s);
    }

    // The manual's letter case where it matters; the web items' page; a browser failing is said.
    void helpOpensTheManualAndTheMakersPage() {
        fake().programFolderPath = QStringLiteral("/opt/Orvane Tools");
        ShowHelpContents(frame());
        QCOMPARE(fake().helpFiles, QStringList{"/opt/Orvane Tools/orvane.hlp"});
        QCOMPARE(HelpFilePath(QStringLiteral("C:/Program Files/Orvane/"), HostPlatform::Windows),
                 QStringLiteral("C:\\PROGRAM FILES\\ORVANE\\ORVANE.HLP"));
        for (const char* item : {"mnuHelpMainWebsite", "mnuHelpSupportWebsite",
                                 "mnuHelpWebsitesBrennick", "mnuHelpWebsitesSupport"})
            frame().command(item)->trigger();
        const QUrl page = QUrl::fromLocalFile(fake().programFolder() + "/orvane-web.html");
        QCOMPARE(fake().openedUrls, QList<QUrl>(4, page));
        QVERIFY(fake().messages.isEmpty());
        fake().openUrlSucceeds = false;
        OpenInBrowser(fake(), QStringLiteral("/tmp/page.html"));
        QCOMPARE(fake().openedUrls.constLast(), QUrl::fromLocalFile("/tmp/page.html"));
        QCOMPARE(
            messages(fake()),
            Messages({{QStringLiteral("An unexpected error occurred while launching Web browser."),
                       QStringLiteral("Orvane"), MessageIcon::Exclamation}}));
    }

    // Texts that look like lists, numbers or markers come back as written, also in the next run.
    void storeKeepsTextsAsWritten() {
        const QStringList texts{
            "Zoë 日本",    "13",        "",          "  padded  ", R"(C:\jdk "1.3"\bin)",
            "@Variant(x)", "Doe, Jane", "one\r\ntwo"};
        const TemporarySettings firstRun;
        SettingsStore store;
        for (qsizetype key = 0; key < keys.size(); ++key) {
            store.save(SettingKey(key), texts[key % texts.size()]);
            QCOMPARE(raw().allKeys().size(), key + 1);
            QVERIFY(raw().contains("Options/" + keys[key]));
        }
        const QString file = raw().fileName();
        const TemporarySettings secondRun;
        QVERIFY(QDir().mkpath(QFileInfo(raw().fileName()).path()));
        QVERIFY(QFile::copy(file, raw().fileName()));
        for (qsizetype key = 0; key < keys.size(); ++key)
            QCOMPARE(SettingsStore().get(SettingKey(key)), texts[key % texts.size()]);
    }

    // Projects beside the program, else in the user's folder, first run welcomed; Run finds them.
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
        QCOMPARE(raw().value("Options/UsedPreviousVersion"),
                 writable ? QVariant() : QVariant("101"));
        const Messages welcome{{"This Service Release corrected serveral known issues discovered "
                                "in the Gold Release.  For more information, see the history.txt "
                                "file for details.",
                                "Welcome to Orvane [Service Release 1 (SR1)]",
                                MessageIcon::Information}};
        QCOMPARE(messages(test.desktop), writable ? Messages() : welcome);

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

    // Only "1" shows a bar; a value of the wrong form reads as the default, the font as 11 points.
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
        for (const QString& name : keys)
            if (key.isEmpty() || key == name)
                raw().setValue(QStringLiteral("Options/") + name, stored);
        QVERIFY(test.start());
        for (Bar bar : {Bar::Standard, Bar::Object, Bar::Status})
            QCOMPARE(test.frame().isBarVisible(bar), !hidden.contains(bar));
        QTEST(test.active()->editor().font().pointSizeF(), "points");
    }
};

QTEST_MAIN(TestOptionsAndHelp)
#include "tst_optionsandhelp.moc"
