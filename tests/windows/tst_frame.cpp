// The frame: its menus and toolbars spelled out, command enabling, windows, bars, the edit
// commands (the clipboard's line breaks are LF here), the close rule and File > New's wizard.

#include "document/documentwindow.h"
#include "expectedfile.h"
#include "filesession.h"
#include "markedtext.h"
#include "templates/documentdialog.h"
#include "templates/wizardcommand.h"
#include "testframe.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDockWidget>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>

using namespace orvane;
using namespace orvane::test;

namespace {

// One entry a line, "-" for a separator: a menu's "caption|shortcuts" (submenus by their own
// row), a toolbar's "key|tooltip|description".
QStringList entries(const QList<QAction*>& actions, bool toolbar = false) {
    QStringList listed;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            listed << QStringLiteral("-");
        else if (toolbar)
            listed << action->data().toString() + u'|' + action->toolTip() + u'|' +
                          action->statusTip();
        else if (action->shortcuts().isEmpty())
            listed << action->text();
        else
            listed << action->text() + u'|' +
                          QKeySequence::listToString(action->shortcuts(),
                                                     QKeySequence::PortableText);
    }
    return listed;
}

// The Window menu's list as opened, "*" marking the checked entry; then clicks entry `click`.
QStringList windowList(MainFrame& frame, qsizetype click = -1) {
    auto* menu = frame.documentMenuBar().findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    QList<QAction*> items = menu->findChildren<QAction*>(QStringLiteral("mnuWindowList"));
    QStringList listed;
    for (const QAction* item : items)
        listed.append(item->text() + (item->isChecked() ? QStringLiteral(" *") : QString()));
    if (click >= 0)
        items[click]->trigger();
    return listed;
}

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

// Types each answer given (null: left as it is), leaves the project box and presses Finish.
FakeDesktop::DialogDriver Finish(const QString& name, const QString& author = {},
                                 const QString& description = {}) {
    return [=](QDialog& d) {
        auto* project = d.findChild<QLineEdit*>(QStringLiteral("txtProject"));
        if (!name.isNull()) {
            project->setText(name);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(project, &out);
        }
        if (!author.isNull())
            d.findChild<QLineEdit*>(QStringLiteral("txtAuthor"))->setText(author);
        if (!description.isNull())
            d.findChild<QPlainTextEdit*>(QStringLiteral("txtDescription"))
                ->setPlainText(description);
        d.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
    };
}

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    MainFrame& frame() { return test_->frame(); }
    void arrange(const char* item) { test_->item(item)->trigger(); }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<TestFrame>())->start()); }
    void cleanup() { test_.reset(); }

    // Items added to the designed menus follow a separator at their end; menus are read as
    // opened, with one recent file and one window.
    void menus_data() {
        QTest::addColumn<bool>("frameBar");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        const auto row = [](const char* name, bool frameBar, const char* menu,
                            const QStringList& listed) {
            QTest::newRow(name) << frameBar << QString::fromLatin1(menu) << listed;
        };
        row("frame bar", true, "", {"&File", "&Help"});
        row("frame File", true, "mnuFile",
            {"&New", "&Open|Ctrl+O", "-", "E&xit", "-", "&1 /r/A&&B.java"});
        row("frame File New", true, "mnuFileNew",
            {"New Document", "Standard Template", "-", "ActionListener Template",
             "MouseListener Template", "Runnable Template", "-", "Application Template"});
        row("frame Help", true, "mnuHelp",
            {"&Contents|F1", "-", "Brennick Software", "Orvane Support", "-", "&About Orvane"});
        row("document bar", false, "", {"&File", "&Edit", "&View", "&Insert", "&Window", "&Help"});
        row("document File", false, "mnuFile",
            {"New", "&Open|Ctrl+O", "&Save|Ctrl+S", "&Print|Ctrl+P", "-", "E&xit\tAlt+F4", "-",
             "&1 /r/A&&B.java"});
        row("document File New", false, "mnuFilenew",
            {"New Document", "Standard Applet|Ctrl+N", "-", "ActionListener Applet",
             "MouseListener Applet", "Runnable Applet", "-", "Application Template"});
        row("document Edit", false, "mnuEdit",
            {"Cut|Ctrl+X",
             "&Copy|Ctrl+C",
             "&Paste|Ctrl+V",
             "&Delete|Ctrl+D",
             "-",
             "Select &All|Ctrl+A",
             "-",
             "&Find|Ctrl+F",
             "&Replace|Ctrl+R",
             "-",
             "&Undo|Ctrl+Z",
             "Red&o|Ctrl+Y; Ctrl+Shift+Z",
             "&Go to Line...|Ctrl+G",
             "-",
             "Find &Next|Ctrl+L",
             "Find Pre&vious|Ctrl+Shift+L",
             "Toggle Co&mment|Ctrl+/",
             "-",
             "Ne&xt Error|F8",
             "Previous &Error|Shift+F8"});
        row("document View", false, "mnuView",
            {"Standard Toolbar", "Object Toolbar", "Status Bar", "-", "Options|F3", "-",
             "Compile|F4", "&Preview|F5", "-", "Output", "-", "Zoom &In|Ctrl+=; Ctrl++",
             "Zoom O&ut|Ctrl+-", "&Reset Zoom|Ctrl+0"});
        row("document Insert", false, "mnuInsert",
            {"Varia&ble...|Ctrl+B", "Func&tion...|Ctrl+T", "Statement...", "-", "Label", "Text",
             "Font", "-", "Checkbox", "Radio button", "-", "Button", "Scrollbar"});
        row("document Insert Statement", false, "mnuInsertStatements",
            {"IF Statement", "IF ELSE Statement", "-", "FOR Statement", "-", "WHILE Statement",
             "DO WHILE Statement", "-", "SWITCH Statement", "-", "TRY CATCH Statement",
             "TRY CATCH FINALLY Statement"});
        row("document Window", false, "mnuWindow",
            {"Cascade", "Tile Horizontal", "Tile Vertical", "Arrange Icons", "-", "&1 Untitled"});
        row("document Help", false, "mnuHelp",
            {"&Contents|F1", "-", "Brennick Software", "Orvane Support", "-", "&About Orvane"});
    }

    void menus() {
        QFETCH(bool, frameBar);
        QFETCH(QString, menu);
        test_->store.saveList(QStringLiteral("RecentFiles"), {QStringLiteral("/r/A&B.java")});
        const QMenuBar& bar = frameBar ? frame().frameMenuBar() : frame().documentMenuBar();
        QMenu* found = menu.isEmpty() ? nullptr : bar.findChild<QMenu*>(menu);
        if (found)
            emit found->aboutToShow();
        QTEST(entries(found ? found->actions() : bar.actions()), "entries");
    }

    void toolbars() {
        QCOMPARE(
            entries(frame().standardToolbar().actions(), true),
            (QStringList{"New|New Document|Creates a new, blank document.", "-",
                         "Open|Open Project or Document|Opens a project or document.",
                         "Save|Save Project or Document|Saves a project or document.",
                         "Print|Print Document|Prints a document.", "-", "Preview|Preview|",
                         "Run|Run|", "-", "Cut|Cut|Cuts selected text to Clipboard",
                         "Copy|Copy|Copies selected text to Clipboard",
                         "Paste|Paste|Pastes text from Clipboard", "-",
                         "Find|Find|Search document for a word or phrase.", "-", "Help|Help|"}));
        QCOMPARE(entries(frame().objectToolbar().actions(), true),
                 (QStringList{"Font|Font|", "-", "Label|Label|", "-", "TextEdit|TextEdit|",
                              "TextField|TextField|", "-", "Checkbox|Checkbox|",
                              "Radiobutton|Radiobutton|", "-", "Button|Button|", "-",
                              "Scrollbar|Scrollbar|"}));
    }

    // The active window's menu bar shows; its Window menu lists every window. Typing never goes
    // into a window out of sight: minimising hands over to the window behind, and choosing a
    // minimised window in the Window menu brings it back.
    void menusFollowTheWindows() {
        frame().newDocumentWindow()->setCaption(QStringLiteral("R&D.JAVA"));
        DocumentWindow* third = frame().newDocumentWindow();
        auto* thirdSub = qobject_cast<QMdiSubWindow*>(third->parentWidget());
        thirdSub->showMinimized();
        QCOMPARE(test_->active()->caption(), QStringLiteral("R&D.JAVA"));
        QCOMPARE(windowList(frame(), 2),
                 (QStringList{"&1 Untitled", "&2 R&&D.JAVA *", "&3 Untitled"}));
        QVERIFY(test_->active() == third && !thirdSub->isMinimized());
        QVERIFY(frame().documentMenuBar().isVisible() && !frame().frameMenuBar().isVisible());
        QVERIFY(frame().mdiArea().subWindowList().first()->close());
        settle();
        QCOMPARE(windowList(frame()), (QStringList{"&1 R&&D.JAVA", "&2 Untitled *"}));
        frame().mdiArea().closeAllSubWindows();
        settle();
        QVERIFY(frame().frameMenuBar().isVisible());
        test_->item(QStringLiteral("mnuFileNewDocument"))->trigger();
        QCOMPARE(windowList(frame()), QStringList{"&1 Untitled *"});
        QVERIFY(frame().documentMenuBar().isVisible() && !frame().frameMenuBar().isVisible());
    }

    void viewToggles_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Bar>("bar");
        QTest::newRow("standard toolbar") << "mnuViewStandard" << Bar::Standard;
        QTest::newRow("object toolbar") << "mnuViewObject" << Bar::Object;
        QTest::newRow("status bar") << "mnuViewStatus" << Bar::Status;
    }

    // A click toggles the bar and only the active window's check; a new window starts checked
    // whatever the bars show.
    void viewToggles() {
        QFETCH(QString, item);
        QFETCH(Bar, bar);
        QAction* toggle = test_->item(item);
        DocumentWindow* first = test_->active();
        frame().newDocumentWindow();
        toggle->trigger();
        for (Bar each : {Bar::Standard, Bar::Object, Bar::Status})
            QCOMPARE(frame().isBarVisible(each), each != bar);
        QVERIFY(!toggle->isChecked());
        frame().activateDocument(*first);
        QVERIFY(toggle->isChecked());
        frame().newDocumentWindow();
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(frame().isBarVisible(bar) && toggle->isChecked());
    }

    // View > Output shows and hides the Output pane; its mark follows the pane also when the
    // pane was closed by its own title bar.
    void viewOutput() {
        auto* view = frame().documentMenuBar().findChild<QMenu*>(QStringLiteral("mnuView"));
        QAction* output = test_->item("mnuViewOutput");
        QVERIFY(output->isCheckable() && !output->isChecked());
        output->trigger();
        auto* pane = frame().findChild<QDockWidget*>(QStringLiteral("Output"));
        QVERIFY(pane && pane->isVisible() && output->isChecked());
        pane->close();
        emit view->aboutToShow();
        QVERIFY(!output->isChecked());
        output->trigger();
        QVERIFY(pane->isVisible() && output->isChecked());
    }

    void arrangements() {
        frame().newDocumentWindow();
        frame().newDocumentWindow();
        const QList<QMdiSubWindow*> subs = frame().mdiArea().subWindowList();
        const QRect area = frame().mdiArea().viewport()->rect();

        // Tiles cover the area without overlapping, stacked at full width or side by side.
        for (const bool stacked : {true, false}) {
            arrange(stacked ? "mnuWindowHorizontal" : "mnuWindowVertical");
            QRegion covered;
            for (const QMdiSubWindow* tile : subs) {
                QVERIFY(!covered.intersects(tile->geometry()));
                covered += tile->geometry();
            }
            QCOMPARE(covered, QRegion(area));
            QCOMPARE(subs[0]->width() == area.width(), stacked);
        }

        // Cascade keeps the size new windows open at.
        subs[2]->resize(100, 80);
        arrange("mnuWindowCascade");
        const auto stack = frame().mdiArea().subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(stack.first()->pos(), QPoint(0, 0));
        for (qsizetype i = 1; i < stack.size(); ++i)
            QVERIFY(stack[i]->x() > stack[i - 1]->x() && stack[i]->y() > stack[i - 1]->y());
        const QSize newSize = frame().newDocumentWindow()->parentWidget()->size();
        for (const QMdiSubWindow* sub : subs)
            QCOMPARE(sub->size(), newSize);

        // Minimised windows line up along the bottom from the left.
        subs[0]->showMinimized();
        subs[1]->showMinimized();
        subs[0]->move(200, 40);
        subs[1]->move(90, 10);
        arrange("mnuWindowArrange");
        QCOMPARE(subs[0]->geometry().bottomLeft(), area.bottomLeft());
        QCOMPARE(subs[1]->geometry().bottomLeft(), QPoint(subs[0]->width(), area.bottom()));
    }

    // Closing the frame asks about each window with that window in front.
    void frameCloseShowsEachWindowAsked() {
        test_->active()->text().setText(QStringLiteral("one"));
        frame().newDocumentWindow()->text().setText(QStringLiteral("two"));
        QStringList asked;
        test_->desktop.onMessage = [&](const Message&) {
            asked << frame().activeDocument()->text().text();
        };
        test_->desktop.messageAnswers.append({MessageAnswer::No, MessageAnswer::No});
        QVERIFY(frame().close());
        QCOMPARE(asked, (QStringList{"one", "two"}));
    }

    // With the Output pane focused, the edit commands and their keys act on the pane: the
    // document keeps its selection and its text.
    void editCommandsFollowTheFocus() {
        setMarked(test_->active()->text(), QStringLiteral("[document] text"));
        frame().programOutput();
        auto* pane = frame().findChild<QPlainTextEdit*>(QStringLiteral("txtOutput"));
        pane->setPlainText(QStringLiteral("javac A.java\nExit 0"));
        pane->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), pane);
        for (const char* item : {"mnuEditSelect", "mnuEditCopy", "mnuEditPaste", "mnuEditCut"})
            test_->item(item)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("javac A.java\nExit 0"));
        QCOMPARE(pane->toPlainText(), QStringLiteral("javac A.java\nExit 0"));
        QCOMPARE(marked(test_->active()->text()), QStringLiteral("[document] text"));
    }

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
        row("delete all disables", "Delete", "[one]", "old", "|", "one");
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
        setMarked(test_->active()->text(), before);
        if (clipboardBefore.isNull())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(clipboardBefore);
        test_->active()->applyCommandEnabling();
        test_->item(item)->trigger();
        QTEST(marked(test_->active()->text()), "after");
        QTEST(QGuiApplication::clipboard()->text(), "clipboardAfter");
        checkEnabling(frame(), test_->active(), !test_->active()->text().isEmpty());
    }

    // Typing enables the commands at once, not only when the editor next gets the focus. Each
    // window keeps its own menu; the toolbar follows the active one.
    void enablingFollowsTyping() {
        DocumentWindow* window = test_->active();
        QTest::keyClicks(&window->editor(), QStringLiteral("a"));
        checkEnabling(frame(), window, true);
        checkEnabling(frame(), frame().newDocumentWindow(), false);
        frame().activateDocument(*window);
        checkEnabling(frame(), window, true);
    }

    void closeRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("closes");
        using enum MessageAnswer;
        QTest::newRow("empty: closes silently") << "" << Yes << true;
        QTest::newRow("text, No: closes unsaved") << "class A {}" << No << true;
        QTest::newRow("text, no button: stays") << "draft" << Dismissed << false;
    }

    // A closed last window leaves nothing to save, print or insert into; nothing is written. A
    // question closed with Escape or the title bar throws nothing away, nor ends the program.
    void closeRule() {
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, closes);
        DocumentWindow* window = test_->active();
        QTest::keyClicks(&window->editor(), typed);
        test_->desktop.answerMessage(answer);
        QCOMPARE(window->parentWidget()->close(), closes);
        settle();
        QCOMPARE(frame().documentWindows().size(), closes ? 0 : 1);
        checkEnabling(frame(), closes ? nullptr : window, !closes);
        if (!closes)
            QCOMPARE(window->text().text(), typed);
        QVERIFY(test_->desktop.saveRequests.isEmpty());
        QCOMPARE(test_->desktop.endProgramCalls, 0);
        QCOMPARE(test_->desktop.messages.size(), typed.isEmpty() ? 0 : 1);
        for (const Message& asked : test_->desktop.messages) {
            QCOMPARE(asked.text, "This document hasn't been saved.  Do you want to sve it now?");
            QCOMPARE(asked.buttons, MessageButtons::YesNo);
        }
        const QDir folder(test_->desktop.programFolderPath);
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Projects"});
    }

    void finishWritesTheProject_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed"); // null: Finish at once
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("source"); // tests/rules/expected/<source>; empty: not compared
        const char* sources[] = {"standardapplet", "actionlistenerapplet", "mouselistenerapplet",
                                 "runnableapplet", "frameapplication"};
        for (int kind = 1; kind <= 5; ++kind) {
            const QString name = kind == 5 ? "MyApp" : "MyApplet";
            QTest::addRow("%d", kind)
                << kind << name << name << QString::fromLatin1(sources[kind - 1]) + ".java";
        }
        const auto row = [](const char* tag, int kind, const QString& typed, const char* name) {
            QTest::newRow(tag) << kind << typed << QString::fromLatin1(name) << QString();
        };
        row("standard applet at once", 1, {}, "Document1");
        row("sixteen blanks", 2, "a" + QString(15, u' ') + "b c", "ab c");
        row("blanks only", 2, QStringLiteral("   "), "");
    }

    void finishWritesTheProject() {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, source);
        const QString folder = frame().projectsFolder();
        QStringList files = {name + QStringLiteral(".html"), name + QStringLiteral(".java")};
        if (kind == 5)
            files.removeFirst();
        const QString author = source.isEmpty() ? QString() : QStringLiteral("Jane Doe");
        test_->desktop.driveDialog(
            Finish(typed, author, source.isEmpty() ? QString() : "A test applet."));
        ShowDocumentWizard(frame(), QString::number(kind));

        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), files);
        const QList<DocumentWindow*> windows = frame().documentWindows().mid(1);
        QCOMPARE(windows.size(), files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(windows[i]->documentPath(), folder + files[i]);
            QCOMPARE(windows[i]->caption(), files[i].toUpper());
            QCOMPARE(readBytes(folder + files[i]), windows[i]->text().text().toUtf8());
        }
        QCOMPARE(test_->active(), windows.last());
        QVERIFY(windows.last()->text().text().contains("\r\npublic class " + name + " extends "));
        if (!source.isEmpty()) {
            QCOMPARE(windows.last()->text().text(), ExpectedFile(source));
            if (kind != 5)
                QCOMPARE(windows[0]->text().text(), ExpectedFile("appletpage.html"));
        }
        QCOMPARE(test_->store.get(SettingKey::AuthorName),
                 author.isNull() ? "Author's Name" : author);
        QVERIFY(test_->desktop.messages.isEmpty());
    }

    // A file that was never written must not be claimed: the window stays Untitled.
    void failedWriteKeepsTheWindowUntitled() {
        QVERIFY(QDir(frame().projectsFolder()).removeRecursively());
        test_->desktop.messageAnswers.append({MessageAnswer::Ignore, MessageAnswer::Ignore});
        test_->desktop.driveDialog(Finish(QStringLiteral("App")));
        ShowDocumentWizard(frame(), QStringLiteral("3"));

        QCOMPARE(test_->desktop.messages.size(), 2); // one report for the page, one for the source
        QCOMPARE(test_->desktop.messages[1].buttons, MessageButtons::AbortRetryIgnore);
        const QList<DocumentWindow*> windows = frame().documentWindows().mid(1);
        QCOMPARE(windows.size(), 2);
        for (DocumentWindow* window : windows)
            QVERIFY(window->documentPath().isEmpty());
        QVERIFY(windows[1]->text().text().contains(
            "\r\npublic class App extends Applet implements MouseListener"));
    }

    void refusesNamesLeavingTheFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("three folders up") << "../../../x";
        QTest::newRow("a sub-folder") << "sub/x";
        QTest::newRow("a backslash") << "sub\\x";
        QTest::newRow("dot dot") << "..";
    }

    // Finish says why and keeps the wizard open; nothing is written, here or three folders up.
    void refusesNamesLeavingTheFolder() {
        QFETCH(QString, name);
        QTemporaryDir root;
        test_.reset(); // first, as each frame points the settings at a place of its own
        test_ = std::make_unique<TestFrame>();
        test_->desktop.programFolderPath = root.filePath(QStringLiteral("a/b/program"));
        QVERIFY(QDir().mkpath(test_->desktop.programFolderPath + QStringLiteral("/Projects/sub")));
        QVERIFY(test_->start());
        bool stillOpen = false;
        test_->desktop.driveDialog([&](QDialog& d) {
            Finish(name)(d);
            stillOpen = d.isVisible() && d.result() != QDialog::Accepted;
        });
        ShowDocumentWizard(frame(), QStringLiteral("1"));
        QVERIFY(stillOpen);
        QCOMPARE(shownTexts(test_->desktop),
                 QStringList{"The project name [" + name +
                             "] cannot contain \"/\", \"\\\" or \"..\", since the project's "
                             "files are saved under this name in the projects folder."});
        QVERIFY(!QDirIterator(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories)
                     .hasNext());
    }

    void existingProjectAsksFirst_data() {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("its source, No") << "Mine.java" << MessageAnswer::No;
        QTest::newRow("its page, Escape") << "Mine.html" << MessageAnswer::Dismissed;
        QTest::newRow("its source, Yes") << "Mine.java" << MessageAnswer::Yes;
    }

    // Only Yes replaces the user's project; otherwise the wizard stays open.
    // The name proposed is the first no project has taken.
    void existingProjectAsksFirst() {
        QFETCH(QString, existing);
        QFETCH(MessageAnswer, answer);
        const QString folder = frame().projectsFolder();
        writeBytes(folder + existing, "mine");
        writeBytes(folder + QStringLiteral("Document1.html"), "taken");
        test_->desktop.answerMessage(answer);
        bool stillOpen = false;
        QString proposed;
        test_->desktop.driveDialog([&](QDialog& d) {
            proposed = d.findChild<QLineEdit*>(QStringLiteral("txtProject"))->text();
            Finish(QStringLiteral("Mine"))(d);
            stillOpen = d.isVisible() && d.result() != QDialog::Accepted;
        });
        ShowDocumentWizard(frame(), QStringLiteral("1"));
        QCOMPARE(proposed, QStringLiteral("Document2"));
        QCOMPARE(shownTexts(test_->desktop),
                 QStringList{"The project [Mine] already exists in the projects folder. Replace "
                             "its files?"});
        QCOMPARE(test_->desktop.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(test_->desktop.messages[0].defaultAnswer, MessageAnswer::No);
        const bool replaced = answer == MessageAnswer::Yes;
        QCOMPARE(stillOpen, !replaced);
        QCOMPARE(readBytes(folder + existing) == "mine", !replaced);
        QCOMPARE(frame().documentWindows().size(), replaced ? 3 : 1);
    }

    void focusMovesWithinTheDialogOnly_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Qt::FocusReason>("reason"); // of leaving the box and coming back
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        const auto row = [](const char* tag, const char* box, Qt::FocusReason reason,
                            const char* text, const char* selected) {
            QTest::newRow(tag) << QString::fromLatin1(box) << reason << QString::fromLatin1(text)
                               << QString::fromLatin1(selected);
        };
        row("name, Tab", "txtProject", Qt::TabFocusReason, "MyName", "MyName");
        row("name, window", "txtProject", Qt::ActiveWindowFocusReason, "My Name", "");
        row("name, context menu", "txtProject", Qt::PopupFocusReason, "My Name", "");
        row("description, Tab", "txtDescription", Qt::TabFocusReason, "My Name", "My Name");
    }

    // Coming back from another of the dialog's controls selects the box (and cleans the name);
    // leaving the window or opening a menu does not, so the next key does not replace the box.
    void focusMovesWithinTheDialogOnly() {
        QFETCH(QString, box);
        QFETCH(Qt::FocusReason, reason);
        QString text;
        QString selected;
        test_->desktop.driveDialog([&](QDialog& d) {
            QWidget* widget = d.findChild<QWidget*>(box);
            const auto focus = [widget](QEvent::Type type, Qt::FocusReason why) {
                QFocusEvent event(type, why);
                QCoreApplication::sendEvent(widget, &event);
                settle();
            };
            focus(QEvent::FocusIn, Qt::TabFocusReason);
            auto* line = qobject_cast<QLineEdit*>(widget);
            auto* lines = qobject_cast<QPlainTextEdit*>(widget);
            line ? line->setText(QStringLiteral("My Name")) : lines->setPlainText("My Name");
            focus(QEvent::FocusOut, reason);
            focus(QEvent::FocusIn, reason);
            text = line ? line->text() : lines->toPlainText();
            selected = line ? line->selectedText() : lines->textCursor().selectedText();
        });
        ShowDocumentWizard(frame(), QStringLiteral("1"));
        QTEST(text, "text");
        QTEST(selected, "selected");
    }

    // A click selects a box as Tab does; a year or a word typed into Copyright is not completed
    // from the list; the description keeps a non-breaking space.
    void keepsWhatWasTyped() {
        QString clicked;
        QStringList copyrights;
        ProjectValues answers;
        test_->desktop.driveDialog([&](QDialog& d) {
            // The press must find the dialog active, or the focus only follows later.
            d.activateWindow();
            QVERIFY(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));
            auto* author = d.findChild<QLineEdit*>(QStringLiteral("txtAuthor"));
            QTest::mouseClick(author, Qt::LeftButton, {}, author->rect().center());
            settle();
            clicked = author->selectedText();
            // Typed as the user types: completion only follows keys into the focused box.
            QLineEdit* copyright =
                d.findChild<QComboBox*>(QStringLiteral("cboCopyright"))->lineEdit();
            QTest::mouseClick(copyright, Qt::LeftButton);
            for (const char* typed : {"200", "non"}) {
                copyright->clear();
                QTest::keyClicks(copyright, QString::fromLatin1(typed));
                copyrights << copyright->text();
            }
            d.findChild<QPlainTextEdit*>(QStringLiteral("txtDescription"))
                ->setPlainText(QStringLiteral("a\u00A0b\nc"));
            answers = static_cast<DocumentDialog&>(d).answers();
        });
        ShowDocumentWizard(frame(), QStringLiteral("1"));
        QCOMPARE(clicked, QStringLiteral("Author's Name"));
        QCOMPARE(copyrights, (QStringList{"200", "non"}));
        QCOMPARE(answers.description, QStringLiteral("a\u00A0b\r\nc"));
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_frame.moc"
