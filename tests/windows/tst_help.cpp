#include "app/helpcommands.h"
#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "platform/helpwindow.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace orvane;

namespace {

QString manualPath() {
    return qEnvironmentVariable("ORVANE_SOURCE_DIR") + QStringLiteral("/resources/orvane.hlp");
}

// Every command of a menu bar, as "caption" and, where it has one, its shortcut.
QStringList commandsOf(const QMenuBar& bar) {
    QStringList commands;
    for (QAction* action : bar.findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu() || action->text().isEmpty() ||
            action->objectName() == u"mnuWindowList")
            continue;
        commands << action->text().section(u'\t', 0, 0).remove(u'&').remove(QStringLiteral("..."));
        if (!action->shortcut().isEmpty())
            commands << action->shortcut().toString(QKeySequence::NativeText);
    }
    return commands;
}

QStringList anchorsOf(const QTextDocument& document) {
    QStringList anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            anchors << it.fragment().charFormat().anchorNames();
    }
    return anchors;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    test::FakeDesktop fake_;
    SettingsStore settings_;
    std::unique_ptr<MainFrame> frame_;

private slots:
    void init() {
        fake_.messages.clear();
        fake_.openedUrls.clear();
        fake_.openUrlSucceeds = true;
        frame_ = std::make_unique<MainFrame>(fake_, settings_);
        frame_->start();
    }

    void cleanup() { frame_.reset(); }

    void contentsAsksForTheInstalledManual() {
        fake_.programFolderPath = QStringLiteral("/opt/Orvane Tools");
        ShowHelpContents(*frame_);
        QCOMPARE(fake_.helpFiles, QStringList{"/opt/Orvane Tools/orvane.hlp"});
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
        QCOMPARE(fake_.openedUrls, QList<QUrl>{QUrl::fromLocalFile("/tmp/page.html")});
        QCOMPARE(fake_.messages.size(), 1);
        const Message& message = fake_.messages.constFirst();
        QCOMPARE(message.text,
                 QStringLiteral("An unexpected error occurred while launching Web browser."));
        QCOMPARE(message.title, QStringLiteral("Orvane"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
    }

    void manualCoversEveryMenuCommand() {
        HelpWindow help;
        help.showDocument(manualPath());
        QCOMPARE(help.windowTitle(), QStringLiteral("Orvane Help"));
        const QString manual = help.browser().toPlainText();
        QStringList commands = commandsOf(frame_->activeDocument()->menuBar());
        commands << commandsOf(frame_->frameMenuBar());
        for (const QString& command : commands)
            QVERIFY2(manual.contains(command), qPrintable(command));
    }

    void manualLinksLeadSomewhere() {
        HelpWindow help;
        help.showDocument(manualPath());
        const QString html = help.browser().document()->toHtml();
        const QStringList anchors = anchorsOf(*help.browser().document());
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            QVERIFY2(anchors.contains(match.captured(1)), qPrintable(match.captured(1)));
            ++links;
        }
        QVERIFY(links > 10);

        auto* back = help.findChild<QAction*>(QStringLiteral("helpBack"));
        QVERIFY(!back->isEnabled());
        const QUrl manual = help.browser().source();
        help.browser().setSource(manual.resolved(QUrl(QStringLiteral("#") + anchors.constLast())));
        QCOMPARE(help.browser().source().adjusted(QUrl::RemoveFragment), manual);
        QVERIFY(back->isEnabled());
        help.findChild<QAction*>(QStringLiteral("helpContents"))->trigger();
        QCOMPARE(help.browser().source().fragment(), QString());
    }

    void missingManualShowsItsOwnPage() {
        HelpWindow help;
        help.showDocument(QStringLiteral("/nonexistent/orvane.hlp"));
        const QString page = help.browser().toPlainText();
        QVERIFY(page.contains(QStringLiteral("Help Not Found")));
        QVERIFY(page.contains(QStringLiteral("/nonexistent/orvane.hlp")));
        QVERIFY(!help.findChild<QAction*>(QStringLiteral("helpContents"))->isEnabled());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
