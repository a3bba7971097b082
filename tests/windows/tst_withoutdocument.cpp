#include "app/mainframe.h"
#include "app/toolbars.h"
#include "document/documentwindow.h"
#include "insert/insertcommands.h"
#include "testframe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

// Types into the search box and presses the dialog's action button, as a user would who
// tries the dialog's command with no document to work on.
void pressAction(QDialog& dialog) {
    if (auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("txtFind")))
        search->setText(QStringLiteral("x"));
    for (const char* name : {"cmdFind", "Command1", "cmdBegin", "cmdFinish", "cmdOK"}) {
        auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        if (button && button->isEnabled()) {
            button->click();
            return;
        }
    }
}

// Everything the frame did that leaves the program, in a form rows can state.
QStringList effects(const TestFrame& test) {
    const FakeDesktop& fake = test.desktop;
    QStringList seen;
    for (const QString& dialog : fake.modalDialogs)
        seen << QStringLiteral("dialog ") + dialog;
    for (const Message& message : fake.messages)
        seen << QStringLiteral("message ") + message.text;
    if (!fake.openRequests.isEmpty())
        seen << QStringLiteral("open");
    if (!fake.helpFiles.isEmpty())
        seen << QStringLiteral("help");
    if (!fake.openedUrls.isEmpty())
        seen << QStringLiteral("browser");
    if (fake.endProgramCalls > 0)
        seen << QStringLiteral("exit");
    if (const qsizetype windows = test.frame().documentWindows().size())
        seen << QStringLiteral("windows %1").arg(windows);
    return seen;
}

} // namespace

class TestWithoutDocument : public QObject {
    Q_OBJECT

private slots:
    // With the last window gone the buttons that need a document are greyed out; their
    // commands, should they be reached all the same, find nothing to work on.
    void everyCommandWithNoDocumentWindow_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("expected");

        const QString noJava = QStringLiteral("message No Java source code provided.");
        const auto row = [](const char* bar, const char* item, const QStringList& expected) {
            QTest::addRow("%s %s", bar, item) << bar << item << expected;
        };
        row("Toolbar1", "New", {"windows 1"});
        row("Toolbar1", "Open", {"open"});
        for (const char* key : {"Save", "Print", "Preview", "Cut", "Copy", "Paste"})
            row("Toolbar1", key, {"greyed"});
        row("Toolbar1", "Run", {"greyed", "dialog frmRun"});
        row("Toolbar1", "Find", {"greyed", "dialog frmSearch"});
        row("Toolbar1", "Help", {"help"});
        for (const char* key : {"Font", "Label", "TextEdit", "TextField", "Checkbox", "Radiobutton",
                                "Button", "Scrollbar"})
            row("Toolbar2", key, {"greyed", "dialog frmObject", noJava});
        row("menu", "mnuFileNewDocument", {"windows 1"});
        row("menu", "mnuFileNewTemplate", {"dialog frmDocument", "windows 2"});
        row("menu", "mnuFileNewApplication", {"dialog frmDocument", "windows 1"});
        row("menu", "mnuFileOpen", {"open"});
        row("menu", "mnuFileExit", {"exit"});
        row("menu", "mnuHelpContents", {"help"});
        row("menu", "mnuHelpMainWebsite", {"browser"});
        row("menu", "mnuHelpSupportWebsite", {"browser"});
        row("menu", "mnuHelpAbout", {"dialog frmAbout"});
    }

    void everyCommandWithNoDocumentWindow() {
        QFETCH(QString, bar);
        QFETCH(QString, item);
        QFETCH(QStringList, expected);
        TestFrame test;
        QVERIFY(test.start());
        MainFrame& frame = test.frame();
        QTest::keyClicks(&test.active()->editor(), QStringLiteral("unsaved"));
        test.desktop.answerMessage(MessageAnswer::No);
        QVERIFY(qobject_cast<QMdiSubWindow*>(test.active()->parentWidget())->close());
        settle();
        QVERIFY(frame.documentWindows().isEmpty());
        test.desktop.messages.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
        test.desktop.driveDialog(pressAction);

        QStringList seen;
        if (bar == u"menu") {
            QAction* action = frame.frameMenuBar().findChild<QAction*>(item);
            QVERIFY(action && action->isEnabled());
            action->trigger();
        } else if (bar == u"Toolbar1") {
            if (!frame.toolbarButton(item)->isEnabled())
                seen << QStringLiteral("greyed");
            StandardToolbarClick(frame, item);
        } else {
            if (!frame.objectToolbar().isEnabled())
                seen << QStringLiteral("greyed");
            ShowObjectForToolbarKey(frame, item);
        }
        settle();

        QCOMPARE(seen + effects(test), expected);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
    }
};

QTEST_MAIN(TestWithoutDocument)
#include "tst_withoutdocument.moc"
