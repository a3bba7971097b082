#include "document/documentwindow.h"
#include "filesession.h"
#include "markedtext.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

// The object toolbar and eight buttons, and eleven items of `window`'s menus, need text.
void checkEnabling(MainFrame& frame, DocumentWindow* window, bool enabled) {
    QCOMPARE(frame.objectToolbar().isEnabled(), enabled);
    for (const char* key : {"Save", "Print", "Preview", "Run", "Cut", "Copy", "Paste", "Find"})
        QVERIFY2(frame.toolbarButton(key)->isEnabled() == enabled, key);
    QVERIFY(frame.toolbarButton("New")->isEnabled() && frame.toolbarButton("Help")->isEnabled());
    if (!window)
        return;
    for (const char* name : {"mnuFileSave", "mnuFilePrint", "mnuEditCut", "mnuEditCopy",
                             "mnuEditPaste", "mnuEditDelete", "mnuEditSelect", "mnuEditFind",
                             "mnuEditReplace", "mnuViewCompile", "mnuViewPreview"})
        QVERIFY2(frame.command(name)->isEnabled() == enabled, name);
    QVERIFY(frame.command("mnuFileOpen")->isEnabled());
}

} // namespace

// Edit commands (the clipboard's line breaks are LF here), command enabling, close rule.
class TestDocumentWindow : public QObject {
    Q_OBJECT

private slots:
    void editCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clipboardBefore"); // null: the clipboard holds no text
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboardAfter");
        const auto row = [](const char* name, const char* item, QString before,
                            QString clipboardBefore, QString after, QString clipboardAfter) {
            QTest::newRow(name) << QStringLiteral("mnuEdit") + item << before << clipboardBefore
                                << after << clipboardAfter;
        };
        row("cut across a line break", "Cut", "a[b\r\nc]d", "old", "a|d", "b\nc");
        row("cut nothing empties the clipboard", "Cut", "a|bc", "old", "a|bc", "");
        row("delete", "Delete", "[one ]two", "old", "|two", "one ");
        row("copy", "Copy", "[a\u00A0b\r\nc]d", "old", "[a\u00A0b\r\nc]d", "a\u00A0b\nc");
        row("paste at the caret", "Paste", "one| two", "X\nY", "oneX\r\nY| two", "X\nY");
        row("paste over a selection", "Paste", "[x]", "a\r\nb\rc", "a\r\nb\r\nc|", "a\r\nb\rc");
        row("paste with no text", "Paste", "[one ]two", nullptr, "|two", "");
        row("select all", "Select", "ab|\r\ncd", "old", "[ab\r\ncd]", "old");
    }

    void editCommands() {
        QFETCH(QString, item);
        QFETCH(QString, before);
        QFETCH(QString, clipboardBefore);
        FileSession test;
        setMarked(test.active()->text(), before);
        if (clipboardBefore.isNull())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(clipboardBefore);
        test.active()->applyCommandEnabling();
        test.item(item)->trigger();
        QTEST(marked(test.active()->text()), "after");
        QTEST(QGuiApplication::clipboard()->text(), "clipboardAfter");
        checkEnabling(test.frame(), test.active(), !test.active()->text().isEmpty());
    }

    // Typing enables the commands at once, not only when the editor next gets the focus, and
    // Select All + Delete disables them. Each window keeps its own menu; the toolbar follows the
    // active one.
    void enablingFollowsTyping() {
        FileSession test;
        DocumentWindow* window = test.active();
        QTest::keyClicks(&window->editor(), QStringLiteral("a"));
        checkEnabling(test.frame(), window, true);
        checkEnabling(test.frame(), test.frame().newDocumentWindow(), false);
        test.frame().activateDocument(*window);
        checkEnabling(test.frame(), window, true);
        test.item(QStringLiteral("mnuEditSelect"))->trigger();
        test.item(QStringLiteral("mnuEditDelete"))->trigger();
        checkEnabling(test.frame(), window, false);
    }

    void closeRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("frameClose"); // else the window alone
        QTest::addColumn<bool>("closes");
        using enum MessageAnswer;
        QTest::newRow("empty: closes silently") << "" << Yes << false << true;
        QTest::newRow("text, No: closes unsaved") << "class A {}" << No << false << true;
        QTest::newRow("text, Yes, save cancelled: stays") << "keep" << Yes << false << false;
        QTest::newRow("text, no button: stays") << "draft" << Dismissed << false << false;
        QTest::newRow("text, no button, frame close: stays")
            << "draft" << Dismissed << true << false;
    }

    // A closed last window leaves nothing to save, print or insert into; nothing is written. A
    // question closed with Escape or the title bar throws nothing away, nor ends the program.
    void closeRule() {
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, frameClose);
        QFETCH(bool, closes);
        FileSession test;
        DocumentWindow* window = test.active();
        QTest::keyClicks(&window->editor(), typed);
        test.desktop.answerMessage(answer);
        QCOMPARE(frameClose ? test.frame().close()
                            : qobject_cast<QMdiSubWindow*>(window->parentWidget())->close(),
                 closes);
        settle();
        QCOMPARE(test.frame().documentWindows().size(), closes ? 0 : 1);
        checkEnabling(test.frame(), closes ? nullptr : window, !closes);
        if (!closes)
            QCOMPARE(window->text().text(), typed);
        QCOMPARE(test.desktop.saveRequests.size(), closes || answer != MessageAnswer::Yes ? 0 : 1);
        QCOMPARE(test.desktop.endProgramCalls, 0);
        QCOMPARE(test.desktop.messages.size(), typed.isEmpty() ? 0 : 1);
        for (const Message& asked : test.desktop.messages) {
            QCOMPARE(asked.text, "This document hasn't been saved.  Do you want to sve it now?");
            QCOMPARE(asked.title, QStringLiteral("Orvane"));
            QCOMPARE(asked.buttons, MessageButtons::YesNo);
            QCOMPARE(asked.icon, MessageIcon::Question);
        }
        const QDir folder(test.desktop.programFolderPath);
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Projects"});
        test.frame().toolbarButton(QStringLiteral("New"))->trigger();
        checkEnabling(test.frame(), test.active(), false);
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
