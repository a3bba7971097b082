#include "about/aboutcommand.h"
#include "about/abouttexts.h"
#include "app/helpcommands.h"
#include "app/helplinks.h"
#include "app/mainframe.h"
#include "app/versiontext.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace orvane;

using Shown = QList<std::tuple<QString, QString, MessageIcon>>;

// The Help menus: About, the manual and the maker's web page.
class TestHelp : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

    Shown messages() const {
        Shown shown;
        for (const Message& message : fake_.messages)
            shown.append({message.text, message.title, message.icon});
        return shown;
    }

private slots:
    void init() {
        fake_.messages.clear();
        fake_.openedUrls.clear();
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    void versionLine() {
        QCOMPARE(VersionLine(VersionText(1, 0, 1), HostPlatform::Windows),
                 QStringLiteral("Version 1.01 for Microsoft Windows 95/98/ME/NT/2000"));
        QCOMPARE(VersionLine(VersionText(2, 3, 14), HostPlatform::Linux),
                 QStringLiteral("Version 2.314 for Linux"));
    }

    // Without a system-information tool on the search path the box says so and stays open.
    void aboutBox() {
        fake_.missingPrograms = SystemInformationTools();
        fake_.driveDialog([](QDialog& d) {
            QStringList texts{d.windowTitle()};
            for (const char* name : {"lblTitle", "Label4", "lblVersion"})
                texts << d.findChild<QLabel*>(QString::fromLatin1(name))->text();
            QCOMPARE(texts, QStringList({"About Orvane", "Orvane", "Service Release 1 (SR1)",
                                         VersionLine(ProgramVersionText(), ThisHostPlatform())}));
            d.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
            QVERIFY(d.isVisible());
        });
        ShowAboutBox(*frame_);
        QVERIFY(fake_.programCalls.isEmpty());
        QCOMPARE(messages(),
                 Shown({{QStringLiteral("System Information Is Unavailable At This Time"),
                         QString(), MessageIcon::None}}));
    }

    // Letter case is kept where it matters.
    void contentsShowsTheInstalledManual() {
        fake_.programFolderPath = QStringLiteral("/opt/Orvane Tools");
        ShowHelpContents(*frame_);
        QCOMPARE(fake_.helpFiles, QStringList{"/opt/Orvane Tools/orvane.hlp"});
        QCOMPARE(HelpFilePath(QStringLiteral("C:/Program Files/Orvane/"), HostPlatform::Windows),
                 QStringLiteral("C:\\PROGRAM FILES\\ORVANE\\ORVANE.HLP"));
    }

    void everyWebItemOpensTheMakersPage() {
        frame_->findChild<QAction*>(QStringLiteral("mnuHelpMainWebsite"))->trigger();
        frame_->findChild<QAction*>(QStringLiteral("mnuHelpSupportWebsite"))->trigger();
        DocumentWindow* window = frame_->activeDocument();
        window->menuItem(QStringLiteral("mnuHelpWebsitesBrennick"))->trigger();
        window->menuItem(QStringLiteral("mnuHelpWebsitesSupport"))->trigger();
        QCOMPARE(fake_.openedUrls, QList<QUrl>(4, QUrl(MakerHomePage)));
        QVERIFY(fake_.messages.isEmpty());
    }

    void failedOpenIsReported() {
        fake_.openUrlSucceeds = false;
        OpenInBrowser(*frame_, QStringLiteral("/tmp/page.html"));
        fake_.openUrlSucceeds = true;
        QCOMPARE(fake_.openedUrls, QList<QUrl>{QUrl::fromLocalFile("/tmp/page.html")});
        QCOMPARE(
            messages(),
            Shown({{QStringLiteral("An unexpected error occurred while launching Web browser."),
                    QStringLiteral("Orvane"), MessageIcon::Exclamation}}));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
