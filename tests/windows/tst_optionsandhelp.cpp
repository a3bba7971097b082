#include "about/aboutcommand.h"
#include "about/abouttexts.h"
#include "about/versiontext.h"
#include "app/helpcommands.h"
#include "app/helplinks.h"
#include "document/documentwindow.h"
#include "document/openinbrowser.h"
#include "settings/optionscommand.h"
#include "testframe.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace orvane;
using namespace Qt::StringLiterals;

using Messages = QList<std::tuple<QString, QString, MessageIcon>>;

namespace {

template <typename Widget = QAbstractButton> Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// The dialog's fifteen keys, in the order they are written.
QStringList storedOptions(const SettingsStore& settings) {
    QStringList values;
    for (const QString& key :
         u"FontNameValue FontNameSize FontNameIndex FontSizeIndex StandardToolbarValue "
         "FormattingToolbarValue StatusbarValue DefaultBrowser IEBrowser NSBrowser SDKLocation "
         "SDKNormal SDKDebug SDKOptimize SDKVerbose"_s.split(u' '))
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

QStringList storedKeys() {
    return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane")).allKeys();
}

} // namespace

// View > Options and the Help menus: About, the manual and the maker's web page.
class TestOptionsAndHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestFrame> test_;

    test::FakeDesktop& fake() const { return test_->desktop; }
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

    Messages messages() const {
        Messages shown;
        for (const Message& message : fake().messages)
            shown.append({message.text, message.title, message.icon});
        return shown;
    }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<test::TestFrame>())->start()); }
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
        QCOMPARE(storedKeys(), QStringList());
    }

    // Only the active window takes the font. A typed size comes back when the dialog reopens,
    // so Ok on it unchanged keeps it.
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
        QCOMPARE(storedKeys().size(), 15);
        QCOMPARE(std::pair(active.font().family(), active.font().pointSizeF()),
                 std::pair(fonts.last(), 13.0));
        QCOMPARE(frame().documentWindows().constFirst()->editor().font(), otherFont);

        confirm([&](QDialog& d) {
            QCOMPARE(shown(d), fonts.last() + " 13 -1 1 0 1 0 0 1 0 1 0 0 /opt/jdk/bin/javac");
        });
        QCOMPARE(storedOptions(test_->store), saved);
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

    void sizeThatIsNoNumberIsStoredAsZeroAndKeepsTheFont() {
        DocumentWindow* active = frame().activeDocument();
        active->setEditorFont({QStringLiteral("Serif"), 20});
        const QFont before = active->editor().font();
        confirm([](QDialog& d) { child<QComboBox>(d, "cboSize")->setEditText(u"abc"_s); });
        QCOMPARE(test_->store.get(SettingKey::FontNameSize), u"0"_s);
        QCOMPARE(active->editor().font(), before);
    }

    // The version line names the platform; without a system-information tool on the search
    // path the box says so and stays open. A tool found is started to outlive Orvane.
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
        QCOMPARE(VersionLine(VersionText(1, 0, 1), HostPlatform::Windows),
                 QStringLiteral("Version 1.01 for Microsoft Windows 95/98/ME/NT/2000"));
        QCOMPARE(VersionLine(VersionText(2, 3, 14), HostPlatform::Linux),
                 QStringLiteral("Version 2.314 for Linux"));
        QCOMPARE(messages(),
                 Messages({{QStringLiteral("System Information Is Unavailable At This Time"),
                            QString(), MessageIcon::None}}));
        QCOMPARE(fake().detachedCalls.size(), 1);
        QCOMPARE(fake().detachedCalls.constFirst().program, u"/opt/sysinfo"_s);
    }

    // Letter case is kept where it matters.
    void contentsShowsTheInstalledManual() {
        fake().programFolderPath = QStringLiteral("/opt/Orvane Tools");
        ShowHelpContents(frame());
        QCOMPARE(fake().helpFiles, QStringList{"/opt/Orvane Tools/orvane.hlp"});
        QCOMPARE(HelpFilePath(QStringLiteral("C:/Program Files/Orvane/"), HostPlatform::Windows),
                 QStringLiteral("C:\\PROGRAM FILES\\ORVANE\\ORVANE.HLP"));
    }

    void everyWebItemOpensTheMakersPage() {
        for (const char* item : {"mnuHelpMainWebsite", "mnuHelpSupportWebsite"})
            frame().findChild<QAction*>(item)->trigger();
        for (const char* item : {"mnuHelpWebsitesBrennick", "mnuHelpWebsitesSupport"})
            frame().command(item)->trigger();
        const QUrl page = QUrl::fromLocalFile(fake().programFolder() + "/orvane-web.html");
        QCOMPARE(fake().openedUrls, QList<QUrl>(4, page));
        QCOMPARE(MakerHomePage("/p", "https://example.org/orvane"), "https://example.org/orvane");
        QVERIFY(fake().messages.isEmpty());
    }

    void failedOpenIsReported() {
        fake().openUrlSucceeds = false;
        OpenInBrowser(fake(), QStringLiteral("/tmp/page.html"));
        QCOMPARE(fake().openedUrls, QList<QUrl>{QUrl::fromLocalFile("/tmp/page.html")});
        QCOMPARE(
            messages(),
            Messages({{QStringLiteral("An unexpected error occurred while launching Web browser."),
                       QStringLiteral("Orvane"), MessageIcon::Exclamation}}));
    }
};

QTEST_MAIN(TestOptionsAndHelp)
#include "tst_optionsandhelp.moc"
