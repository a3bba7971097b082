#include "app/documentmenus.h"

#include "about/aboutcommand.h"
#include "app/actionrecipe.h"
#include "app/helpcommands.h"
#include "app/mainframe.h"
#include "app/recentmenu.h"
#include "document/documentwindow.h"
#include "document/editcommands.h"
#include "document/filecommands.h"
#include "document/gotoline.h"
#include "document/printcommand.h"
#include "insert/insertcommands.h"
#include "search/searchcommands.h"
#include "settings/optionscommand.h"
#include "templates/wizardcommand.h"
#include "toolchain/toolchaincommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace orvane {

namespace {

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

void addFileMenu(QMenuBar* bar, MainFrame& frame, DocumentWindow& window) {
    QMenu* file = addSubmenu(bar, "mnuFile", QStringLiteral("&File"));
    bar->addMenu(file);
    QMenu* fileNew = addSubmenu(file, "mnuFilenew", QStringLiteral("New"));
    file->addMenu(fileNew);
    addCommand(fileNew, "mnuFileNewSocument", QStringLiteral("New Document"),
               [&frame] { frame.newDocumentWindow(); });
    addCommand(fileNew, "mnuFileNewApplet", QStringLiteral("Standard Applet"), ctrl(Qt::Key_N),
               [&frame] { ShowDocumentWizard(frame, QStringLiteral("1")); });
    fileNew->addSeparator();
    addCommand(fileNew, "mnuFileNewActionListener", QStringLiteral("ActionListener Applet"),
               [&frame] { ShowDocumentWizard(frame, QStringLiteral("2")); });
    addCommand(fileNew, "mnuFileNewMouseListener", QStringLiteral("MouseListener Applet"),
               [&frame] { ShowDocumentWizard(frame, QStringLiteral("3")); });
    addCommand(fileNew, "mnuFileNewRunnable", QStringLiteral("Runnable Applet"),
               [&frame] { ShowDocumentWizard(frame, QStringLiteral("4")); });
    fileNew->addSeparator();
    addCommand(fileNew, "mnuFileNewApplication", QStringLiteral("Application Template"),
               [&frame] { ShowDocumentWizard(frame, QStringLiteral("5")); });
    addCommand(file, "mnuFileOpen", QStringLiteral("&Open"), ctrl(Qt::Key_O),
               [&frame] { OpenDocument(frame); });
    addCommand(file, "mnuFileSave", QStringLiteral("&Save"), ctrl(Qt::Key_S),
               [&frame, &window] { SaveDocument(frame, window); });
    addCommand(file, "mnuFilePrint", QStringLiteral("&Print"), ctrl(Qt::Key_P),
               [&frame] { PrintDocument(frame); });
    file->addSeparator();
    // "\tAlt+F4" only labels the item; the window system's close key already ends the frame.
    addCommand(file, "mnuFileExit", QStringLiteral("E&xit\tAlt+F4"),
               [&frame] { frame.exitProgram(); });
    AttachRecentFiles(*file, frame);
}

// Beyond the designed items: Undo and Redo as the document's history allows, and Go to Line.
void addEditorCommands(QMenu* edit, MainFrame& frame, DocumentWindow& window) {
    edit->addSeparator();
    QPlainTextEdit& editor = window.editor();
    QAction* undo = addCommand(edit, "mnuEditUndo", QStringLiteral("&Undo"), ctrl(Qt::Key_Z),
                               [&editor] { editor.undo(); });
    QAction* redo = addCommand(edit, "mnuEditRedo", QStringLiteral("Red&o"), ctrl(Qt::Key_Y),
                               [&editor] { editor.redo(); });
    redo->setShortcuts({ctrl(Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undo->setEnabled(false);
    redo->setEnabled(false);
    QObject::connect(&editor, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
    QObject::connect(&editor, &QPlainTextEdit::redoAvailable, redo, &QAction::setEnabled);
    addCommand(edit, "mnuEditGoTo", QStringLiteral("&Go to Line..."), ctrl(Qt::Key_G),
               [&frame] { GoToLine(frame); });
}

void addEditMenu(QMenuBar* bar, MainFrame& frame, DocumentWindow& window) {
    QMenu* edit = addSubmenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    bar->addMenu(edit);
    addCommand(edit, "mnuEditCut", QStringLiteral("Cut"), ctrl(Qt::Key_X),
               [&frame] { CutText(frame); });
    addCommand(edit, "mnuEditCopy", QStringLiteral("&Copy"), ctrl(Qt::Key_C),
               [&frame] { CopyText(frame); });
    addCommand(edit, "mnuEditPaste", QStringLiteral("&Paste"), ctrl(Qt::Key_V),
               [&frame] { PasteText(frame); });
    addCommand(edit, "mnuEditDelete", QStringLiteral("&Delete"), ctrl(Qt::Key_D),
               [&frame] { CutText(frame); });
    edit->addSeparator();
    addCommand(edit, "mnuEditSelect", QStringLiteral("Select &All"), ctrl(Qt::Key_A),
               [&frame] { SelectAllText(frame); });
    edit->addSeparator();
    addCommand(edit, "mnuEditFind", QStringLiteral("&Find"), ctrl(Qt::Key_F),
               [&frame] { ShowFindDialog(frame); });
    addCommand(edit, "mnuEditReplace", QStringLiteral("&Replace"), ctrl(Qt::Key_R),
               [&frame] { ShowReplaceDialog(frame); });
    addEditorCommands(edit, frame, window);
}

void addBarToggle(QMenu* view, MainFrame& frame, const char* name, const QString& caption,
                  Bar bar) {
    QAction* item = view->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    item->setChecked(true);
    // The frame decides the check mark from the bar's visibility, not from the click.
    QObject::connect(item, &QAction::triggered, view,
                     [&frame, item, bar] { frame.toggleBar(bar, *item); });
}

void addViewMenu(QMenuBar* bar, MainFrame& frame) {
    QMenu* view = addSubmenu(bar, "mnuView", QStringLiteral("&View"));
    bar->addMenu(view);
    addBarToggle(view, frame, "mnuViewStandard", QStringLiteral("Standard Toolbar"), Bar::Standard);
    addBarToggle(view, frame, "mnuViewObject", QStringLiteral("Object Toolbar"), Bar::Object);
    addBarToggle(view, frame, "mnuViewStatus", QStringLiteral("Status Bar"), Bar::Status);
    view->addSeparator();
    addCommand(view, "mnuViewOptions", QStringLiteral("Options"), QKeySequence(Qt::Key_F3),
               [&frame] { ShowOptionsDialog(frame); });
    view->addSeparator();
    addCommand(view, "mnuViewCompile", QStringLiteral("Compile"), QKeySequence(Qt::Key_F4),
               [&frame] { CompileDocument(frame); });
    addCommand(view, "mnuViewPreview", QStringLiteral("&Preview"), QKeySequence(Qt::Key_F5),
               [&frame] { PreviewDocument(frame); });
    view->addSeparator();
    QAction* output = view->addAction(QStringLiteral("Output"));
    output->setObjectName(QStringLiteral("mnuViewOutput"));
    output->setCheckable(true);
    output->setChecked(frame.isOutputVisible());
    // Compiling shows the pane and its title bar hides it, so the mark is read on opening.
    QObject::connect(view, &QMenu::aboutToShow, output,
                     [&frame, output] { output->setChecked(frame.isOutputVisible()); });
    QObject::connect(output, &QAction::triggered, view, [&frame, output] {
        frame.setOutputVisible(!frame.isOutputVisible());
        output->setChecked(frame.isOutputVisible());
    });
}

void addStatementMenu(QMenu* insert, MainFrame& frame) {
    QMenu* statements = addSubmenu(insert, "mnuInsertStatements", QStringLiteral("Statement..."));
    insert->addMenu(statements);
    const auto add = [&](const char* name, const char* caption, StatementKind kind) {
        addCommand(statements, name, QString::fromLatin1(caption),
                   [&frame, kind] { InsertStatement(frame, kind); });
    };
    add("mnuInsertStatementIF", "IF Statement", StatementKind::If);
    add("mnuInsertStatementIFELSE", "IF ELSE Statement", StatementKind::IfElse);
    statements->addSeparator();
    add("mnuInsertStatementFORS", "FOR Statement", StatementKind::For);
    statements->addSeparator();
    add("mnuInsertStatementWHILES", "WHILE Statement", StatementKind::While);
    add("mnuInsertStatementDOM", "DO WHILE Statement", StatementKind::DoWhile);
    statements->addSeparator();
    add("mnuInsertStatementSWITCH", "SWITCH Statement", StatementKind::Switch);
    statements->addSeparator();
    add("mnuInsertStatementTRY", "TRY CATCH Statement", StatementKind::TryCatch);
    add("mnuInsertStatementFINALLY", "TRY CATCH FINALLY Statement", StatementKind::TryCatchFinally);
}

void addInsertMenu(QMenuBar* bar, MainFrame& frame) {
    QMenu* insert = addSubmenu(bar, "mnuInsert", QStringLiteral("&Insert"));
    bar->addMenu(insert);
    addCommand(insert, "mnuInsertVariable", QStringLiteral("Varia&ble..."), ctrl(Qt::Key_B),
               [&frame] { ShowVariableDialog(frame); });
    addCommand(insert, "mnuInsertFunction", QStringLiteral("Func&tion..."), ctrl(Qt::Key_T),
               [&frame] { ShowFunctionDialog(frame); });
    addStatementMenu(insert, frame);
    insert->addSeparator();
    const auto addObject = [&](const char* name, const char* caption, int page) {
        addCommand(insert, name, QString::fromLatin1(caption),
                   [&frame, page] { ShowObjectPage(frame, page); });
    };
    addObject("mnuInsertObjectLabel", "Label", 0);
    addObject("mnuInsertObjectText", "Text", 1);
    addObject("mnuInsertObjectFont", "Font", 2);
    insert->addSeparator();
    addObject("mnuInsertObjectCheckbox", "Checkbox", 3);
    addObject("mnuInsertObjectRadio", "Radio button", 3);
    insert->addSeparator();
    addObject("mnuInsertObjectButton", "Button", 4);
    addObject("mnuInsertObjectScrollbar", "Scrollbar", 5);
}

// The open windows follow the arrangement items, the active one checked.
void listOpenWindows(QMenu* menu, QList<QAction*>& listed, MainFrame& frame) {
    qDeleteAll(listed);
    listed.clear();
    const QList<DocumentWindow*> windows = frame.documentWindows();
    if (windows.isEmpty())
        return;
    listed.append(menu->addSeparator());
    DocumentWindow* active = frame.activeDocument();
    int number = 1;
    for (DocumentWindow* window : windows) {
        QString caption = window->caption();
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(caption));
        item->setObjectName(QStringLiteral("mnuWindowList"));
        // Only the active window carries a mark; the others show no empty box.
        item->setCheckable(window == active);
        item->setChecked(window == active);
        QObject::connect(item, &QAction::triggered, menu,
                         [&frame, window] { frame.activateDocument(*window); });
        listed.append(item);
    }
}

void addWindowMenu(QMenuBar* bar, MainFrame& frame) {
    QMenu* windowMenu = addSubmenu(bar, "mnuWindow", QStringLiteral("&Window"));
    bar->addMenu(windowMenu);
    addCommand(windowMenu, "mnuWindowCascade", QStringLiteral("Cascade"),
               [&frame] { frame.arrangeWindows(Arrangement::Cascade); });
    addCommand(windowMenu, "mnuWindowHorizontal", QStringLiteral("Tile Horizontal"),
               [&frame] { frame.arrangeWindows(Arrangement::TileHorizontal); });
    addCommand(windowMenu, "mnuWindowVertical", QStringLiteral("Tile Vertical"),
               [&frame] { frame.arrangeWindows(Arrangement::TileVertical); });
    addCommand(windowMenu, "mnuWindowArrange", QStringLiteral("Arrange Icons"),
               [&frame] { frame.arrangeWindows(Arrangement::ArrangeIcons); });
    auto listed = std::make_shared<QList<QAction*>>();
    QObject::connect(windowMenu, &QMenu::aboutToShow, windowMenu,
                     [windowMenu, listed, &frame] { listOpenWindows(windowMenu, *listed, frame); });
}

void addHelpMenu(QMenuBar* bar, MainFrame& frame) {
    QMenu* help = addSubmenu(bar, "mnuHelp", QStringLiteral("&Help"));
    bar->addMenu(help);
    addCommand(help, "mnuHelpContents", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1),
               [&frame] { ShowHelpContents(frame); });
    help->addSeparator();
    addCommand(help, "mnuHelpWebsitesBrennick", QStringLiteral("Brennick Software"),
               [&frame] { OpenMakerHomePage(frame); });
    addCommand(help, "mnuHelpWebsitesSupport", QStringLiteral("Orvane Support"),
               [&frame] { OpenMakerHomePage(frame); });
    help->addSeparator();
    addCommand(help, "mnuHelpAbout", QStringLiteral("&About Orvane"),
               [&frame] { ShowAboutBox(frame); });
}

} // namespace

QMenuBar* BuildDocumentMenuBar(MainFrame& frame, DocumentWindow& window) {
    auto* bar = new QMenuBar;
    bar->setObjectName(QStringLiteral("documentMenuBar"));
    addFileMenu(bar, frame, window);
    addEditMenu(bar, frame, window);
    addViewMenu(bar, frame);
    addInsertMenu(bar, frame);
    addWindowMenu(bar, frame);
    addHelpMenu(bar, frame);
    return bar;
}

} // namespace orvane
