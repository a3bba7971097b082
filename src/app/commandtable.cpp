#include "app/commandtable.h"

#include "about/aboutcommand.h"
#include "app/helpcommands.h"
#include "app/mainframe.h"
#include "app/windowarrangement.h"
#include "document/documentwindow.h"
#include "document/editcommands.h"
#include "document/filecommands.h"
#include "document/gotoline.h"
#include "document/printcommand.h"
#include "insert/insertcommands.h"
#include "search/searchcommands.h"
#include "settings/optionscommand.h"
#include "templates/wizardcommand.h"
#include "toolchain/errornavigation.h"
#include "toolchain/toolchaincommands.h"

#include <QPlainTextEdit>

#include <array>

namespace orvane {

namespace {

using Frame = MainFrame;

constexpr QKeyCombination Ctrl(Qt::Key key) {
    return Qt::CTRL | key;
}

void Wizard(Frame& frame, const char* templateKind) {
    ShowDocumentWizard(frame, QString::fromLatin1(templateKind));
}

void SaveActive(Frame& frame) {
    if (DocumentWindow* window = frame.activeDocument())
        SaveDocument(frame, *window);
}

void OnActiveEditor(Frame& frame, void (QPlainTextEdit::*edit)()) {
    if (DocumentWindow* window = frame.activeDocument())
        (window->editor().*edit)();
}

void ObjectKey(Frame& frame, const char* key) {
    ShowObjectForToolbarKey(frame, QString::fromLatin1(key));
}

void Arrange(Frame& frame, void (*arrange)(QMdiArea&)) {
    arrange(frame.mdiArea());
}

// clang-format off
const std::array kCommands = std::to_array<Command>({
    // Rows for both menu bars: the frame's own, on screen while no document window is open, and
    // the document windows'. A row in both shares one action.
    {.kind = RowKind::Menu, .places = BothMenus, .name = "mnuFile", .caption = "&File"},
    {.kind = RowKind::Menu, .places = FrameMenu, .parent = "mnuFile", .name = "mnuFileNew", .caption = "&New"},
    {.places = FrameMenu, .parent = "mnuFileNew", .name = "mnuFileNewDocument", .caption = "New Document",
     .run = [](Frame& f) { f.newDocumentWindow(); }},
    {.places = FrameMenu, .parent = "mnuFileNew", .name = "mnuFileNewTemplate", .caption = "Standard Template",
     .run = [](Frame& f) { Wizard(f, "1"); }},
    {.kind = RowKind::Separator, .places = FrameMenu, .parent = "mnuFileNew"},
    {.places = FrameMenu, .parent = "mnuFileNew", .name = "mnuFileNewActionListener", .caption = "ActionListener Template",
     .run = [](Frame& f) { Wizard(f, "2"); }},
    {.places = FrameMenu, .parent = "mnuFileNew", .name = "mnuFileNewMouseListener", .caption = "MouseListener Template",
     .run = [](Frame& f) { Wizard(f, "3"); }},
    {.places = FrameMenu, .parent = "mnuFileNew", .name = "mnuFileNewRunnable", .caption = "Runnable Template",
     .run = [](Frame& f) { Wizard(f, "4"); }},
    {.kind = RowKind::Separator, .places = FrameMenu, .parent = "mnuFileNew"},
    {.places = FrameMenu, .parent = "mnuFileNew", .name = "mnuFileNewApplication", .caption = "Application Template",
     .run = [](Frame& f) { Wizard(f, "5"); }},
    {.kind = RowKind::Menu, .places = DocumentMenu, .parent = "mnuFile", .name = "mnuFilenew", .caption = "New"},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuFilenew", .name = "mnuFileNewSocument", .caption = "New Document",
     .run = [](Frame& f) { f.newDocumentWindow(); },
     .key = "New", .slot = 1, .image = 1, .tooltip = "New Document", .statusTip = "Creates a new, blank document."},
    {.places = DocumentMenu, .parent = "mnuFilenew", .name = "mnuFileNewApplet", .caption = "Standard Applet", .shortcut = Ctrl(Qt::Key_N),
     .run = [](Frame& f) { Wizard(f, "1"); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuFilenew"},
    {.places = DocumentMenu, .parent = "mnuFilenew", .name = "mnuFileNewActionListener", .caption = "ActionListener Applet",
     .run = [](Frame& f) { Wizard(f, "2"); }},
    {.places = DocumentMenu, .parent = "mnuFilenew", .name = "mnuFileNewMouseListener", .caption = "MouseListener Applet",
     .run = [](Frame& f) { Wizard(f, "3"); }},
    {.places = DocumentMenu, .parent = "mnuFilenew", .name = "mnuFileNewRunnable", .caption = "Runnable Applet",
     .run = [](Frame& f) { Wizard(f, "4"); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuFilenew"},
    {.places = DocumentMenu, .parent = "mnuFilenew", .name = "mnuFileNewApplication", .caption = "Application Template",
     .run = [](Frame& f) { Wizard(f, "5"); }},
    {.places = BothMenus | StandardToolbar, .parent = "mnuFile", .name = "mnuFileOpen", .caption = "&Open", .shortcut = Ctrl(Qt::Key_O),
     .run = [](Frame& f) { OpenDocument(f); },
     .key = "Open", .slot = 3, .image = 2, .tooltip = "Open Project or Document", .statusTip = "Opens a project or document."},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuFile", .name = "mnuFileSave", .caption = "&Save", .shortcut = Ctrl(Qt::Key_S),
     .run = SaveActive, .enabling = Enabling::NeedsText,
     .key = "Save", .slot = 4, .image = 3, .tooltip = "Save Project or Document", .statusTip = "Saves a project or document."},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuFile", .name = "mnuFilePrint", .caption = "&Print", .shortcut = Ctrl(Qt::Key_P),
     .run = [](Frame& f) { PrintDocument(f); }, .enabling = Enabling::NeedsText,
     .key = "Print", .slot = 5, .image = 4, .tooltip = "Print Document", .statusTip = "Prints a document."},
    {.kind = RowKind::Separator, .places = BothMenus, .parent = "mnuFile"},
    {.places = FrameMenu, .parent = "mnuFile", .name = "mnuFileExit", .caption = "E&xit",
     .run = [](Frame& f) { f.exitProgram(); }},
    // "\tAlt+F4" only labels the item; the window system's close key already closes the frame.
    {.places = DocumentMenu, .parent = "mnuFile", .name = "mnuFileExit", .caption = "E&xit\tAlt+F4",
     .run = [](Frame& f) { f.exitProgram(); }},

    {.kind = RowKind::Menu, .places = DocumentMenu, .name = "mnuEdit", .caption = "&Edit"},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuEdit", .name = "mnuEditCut", .caption = "Cut", .shortcut = Ctrl(Qt::Key_X),
     .run = [](Frame& f) { CutText(f); }, .enabling = Enabling::NeedsText,
     .key = "Cut", .slot = 10, .image = 5, .tooltip = "Cut", .statusTip = "Cuts selected text to Clipboard"},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuEdit", .name = "mnuEditCopy", .caption = "&Copy", .shortcut = Ctrl(Qt::Key_C),
     .run = [](Frame& f) { CopyText(f); }, .enabling = Enabling::NeedsText,
     .key = "Copy", .slot = 11, .image = 6, .tooltip = "Copy", .statusTip = "Copies selected text to Clipboard"},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuEdit", .name = "mnuEditPaste", .caption = "&Paste", .shortcut = Ctrl(Qt::Key_V),
     .run = [](Frame& f) { PasteText(f); }, .enabling = Enabling::NeedsText,
     .key = "Paste", .slot = 12, .image = 7, .tooltip = "Paste", .statusTip = "Pastes text from Clipboard"},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditDelete", .caption = "&Delete", .shortcut = Ctrl(Qt::Key_D),
     .run = [](Frame& f) { CutText(f); }, .enabling = Enabling::NeedsText},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuEdit"},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditSelect", .caption = "Select &All", .shortcut = Ctrl(Qt::Key_A),
     .run = [](Frame& f) { SelectAllText(f); }, .enabling = Enabling::NeedsText},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuEdit"},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuEdit", .name = "mnuEditFind", .caption = "&Find", .shortcut = Ctrl(Qt::Key_F),
     .run = [](Frame& f) { ShowFindDialog(f); }, .enabling = Enabling::NeedsText,
     .key = "Find", .slot = 14, .image = 8, .tooltip = "Find", .statusTip = "Search document for a word or phrase."},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditReplace", .caption = "&Replace", .shortcut = Ctrl(Qt::Key_R),
     .run = [](Frame& f) { ShowReplaceDialog(f); }, .enabling = Enabling::NeedsText},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuEdit"},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditUndo", .caption = "&Undo", .shortcut = Ctrl(Qt::Key_Z),
     .run = [](Frame& f) { OnActiveEditor(f, &QPlainTextEdit::undo); }, .enabling = Enabling::Undo},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditRedo", .caption = "Red&o", .shortcut = Ctrl(Qt::Key_Y),
     .otherShortcut = Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
     .run = [](Frame& f) { OnActiveEditor(f, &QPlainTextEdit::redo); }, .enabling = Enabling::Redo},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditGoTo", .caption = "&Go to Line...", .shortcut = Ctrl(Qt::Key_G),
     .run = [](Frame& f) { GoToLine(f); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuEdit"},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditNextError", .caption = "Ne&xt Error", .shortcut = Qt::Key_F8,
     .run = [](Frame& f) { GoToNextError(f); }},
    {.places = DocumentMenu, .parent = "mnuEdit", .name = "mnuEditPreviousError", .caption = "Pre&vious Error",
     .shortcut = Qt::SHIFT | Qt::Key_F8, .run = [](Frame& f) { GoToPreviousError(f); }},

    {.kind = RowKind::Menu, .places = DocumentMenu, .name = "mnuView", .caption = "&View"},
    {.kind = RowKind::Check, .places = DocumentMenu, .parent = "mnuView", .name = "mnuViewStandard", .caption = "Standard Toolbar",
     .run = [](Frame& f) { f.toggleBar(Bar::Standard); },
     .checked = [](const Frame& f) { return f.barMark(Bar::Standard); }},
    {.kind = RowKind::Check, .places = DocumentMenu, .parent = "mnuView", .name = "mnuViewObject", .caption = "Object Toolbar",
     .run = [](Frame& f) { f.toggleBar(Bar::Object); },
     .checked = [](const Frame& f) { return f.barMark(Bar::Object); }},
    {.kind = RowKind::Check, .places = DocumentMenu, .parent = "mnuView", .name = "mnuViewStatus", .caption = "Status Bar",
     .run = [](Frame& f) { f.toggleBar(Bar::Status); },
     .checked = [](const Frame& f) { return f.barMark(Bar::Status); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuView"},
    {.places = DocumentMenu, .parent = "mnuView", .name = "mnuViewOptions", .caption = "Options", .shortcut = Qt::Key_F3,
     .run = [](Frame& f) { ShowOptionsDialog(f); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuView"},
    {.places = DocumentMenu, .parent = "mnuView", .name = "mnuViewCompile", .caption = "Compile", .shortcut = Qt::Key_F4,
     .run = [](Frame& f) { CompileDocument(f); }, .enabling = Enabling::NeedsText},
    {.places = DocumentMenu | StandardToolbar, .parent = "mnuView", .name = "mnuViewPreview", .caption = "&Preview", .shortcut = Qt::Key_F5,
     .run = [](Frame& f) { PreviewDocument(f); }, .enabling = Enabling::NeedsText,
     .key = "Preview", .slot = 7, .image = 10, .tooltip = "Preview"},
    {.places = StandardToolbar, .name = "Toolbar_Run",
     .run = [](Frame& f) { ShowRunDialog(f); }, .enabling = Enabling::NeedsText,
     .key = "Run", .slot = 8, .image = 11, .tooltip = "Run"},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuView"},
    // Compiling shows the pane and its own title bar hides it, so the mark is read on opening.
    {.kind = RowKind::Check, .places = DocumentMenu, .parent = "mnuView", .name = "mnuViewOutput", .caption = "Output",
     .run = [](Frame& f) { f.setOutputVisible(!f.isOutputVisible()); },
     .checked = [](const Frame& f) { return f.isOutputVisible(); }},

    {.kind = RowKind::Menu, .places = DocumentMenu, .name = "mnuInsert", .caption = "&Insert"},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertVariable", .caption = "Varia&ble...", .shortcut = Ctrl(Qt::Key_B),
     .run = [](Frame& f) { ShowVariableDialog(f); }},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertFunction", .caption = "Func&tion...", .shortcut = Ctrl(Qt::Key_T),
     .run = [](Frame& f) { ShowFunctionDialog(f); }},
    {.kind = RowKind::Menu, .places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertStatements", .caption = "Statement..."},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementIF", .caption = "IF Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::If); }},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementIFELSE", .caption = "IF ELSE Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::IfElse); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsertStatements"},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementFORS", .caption = "FOR Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::For); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsertStatements"},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementWHILES", .caption = "WHILE Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::While); }},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementDOM", .caption = "DO WHILE Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::DoWhile); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsertStatements"},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementSWITCH", .caption = "SWITCH Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::Switch); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsertStatements"},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementTRY", .caption = "TRY CATCH Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::TryCatch); }},
    {.places = DocumentMenu, .parent = "mnuInsertStatements", .name = "mnuInsertStatementFINALLY", .caption = "TRY CATCH FINALLY Statement",
     .run = [](Frame& f) { InsertStatement(f, StatementKind::TryCatchFinally); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsert"},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectLabel", .caption = "Label",
     .run = [](Frame& f) { ShowObjectPage(f, 0); }},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectText", .caption = "Text",
     .run = [](Frame& f) { ShowObjectPage(f, 1); }},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectFont", .caption = "Font",
     .run = [](Frame& f) { ShowObjectPage(f, 2); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsert"},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectCheckbox", .caption = "Checkbox",
     .run = [](Frame& f) { ShowObjectPage(f, 3); }},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectRadio", .caption = "Radio button",
     .run = [](Frame& f) { ShowObjectPage(f, 3); }},
    {.kind = RowKind::Separator, .places = DocumentMenu, .parent = "mnuInsert"},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectButton", .caption = "Button",
     .run = [](Frame& f) { ShowObjectPage(f, 4); }},
    {.places = DocumentMenu, .parent = "mnuInsert", .name = "mnuInsertObjectScrollbar", .caption = "Scrollbar",
     .run = [](Frame& f) { ShowObjectPage(f, 5); }},

    // The open windows follow these items, listed each time the menu opens.
    {.kind = RowKind::Menu, .places = DocumentMenu, .name = "mnuWindow", .caption = "&Window"},
    {.places = DocumentMenu, .parent = "mnuWindow", .name = "mnuWindowCascade", .caption = "Cascade",
     .run = [](Frame& f) { Arrange(f, CascadeWindows); }},
    {.places = DocumentMenu, .parent = "mnuWindow", .name = "mnuWindowHorizontal", .caption = "Tile Horizontal",
     .run = [](Frame& f) { Arrange(f, TileWindowsHorizontally); }},
    {.places = DocumentMenu, .parent = "mnuWindow", .name = "mnuWindowVertical", .caption = "Tile Vertical",
     .run = [](Frame& f) { Arrange(f, TileWindowsVertically); }},
    {.places = DocumentMenu, .parent = "mnuWindow", .name = "mnuWindowArrange", .caption = "Arrange Icons",
     .run = [](Frame& f) { Arrange(f, ArrangeIcons); }},

    {.kind = RowKind::Menu, .places = BothMenus, .name = "mnuHelp", .caption = "&Help"},
    {.places = BothMenus | StandardToolbar, .parent = "mnuHelp", .name = "mnuHelpContents", .caption = "&Contents", .shortcut = Qt::Key_F1,
     .run = [](Frame& f) { ShowHelpContents(f); },
     .key = "Help", .slot = 16, .image = 9, .tooltip = "Help"},
    {.kind = RowKind::Separator, .places = BothMenus, .parent = "mnuHelp"},
    {.places = FrameMenu, .parent = "mnuHelp", .name = "mnuHelpMainWebsite", .caption = "Brennick Software",
     .run = [](Frame& f) { OpenMakerHomePage(f); }},
    {.places = FrameMenu, .parent = "mnuHelp", .name = "mnuHelpSupportWebsite", .caption = "Orvane Support",
     .run = [](Frame& f) { OpenMakerHomePage(f); }},
    {.places = DocumentMenu, .parent = "mnuHelp", .name = "mnuHelpWebsitesBrennick", .caption = "Brennick Software",
     .run = [](Frame& f) { OpenMakerHomePage(f); }},
    {.places = DocumentMenu, .parent = "mnuHelp", .name = "mnuHelpWebsitesSupport", .caption = "Orvane Support",
     .run = [](Frame& f) { OpenMakerHomePage(f); }},
    {.kind = RowKind::Separator, .places = BothMenus, .parent = "mnuHelp"},
    {.places = BothMenus, .parent = "mnuHelp", .name = "mnuHelpAbout", .caption = "&About Orvane",
     .run = [](Frame& f) { ShowAboutBox(f); }},

    // The object toolbar: each button opens the Insert Object dialog on its page, with its preset.
    // The toolbar is enabled as a whole, so its rows need no rule of their own.
    {.places = ObjectToolbar, .name = "Toolbar_Font", .run = [](Frame& f) { ObjectKey(f, "Font"); },
     .key = "Font", .slot = 1, .image = 2, .tooltip = "Font"},
    {.places = ObjectToolbar, .name = "Toolbar_Label", .run = [](Frame& f) { ObjectKey(f, "Label"); },
     .key = "Label", .slot = 3, .image = 1, .tooltip = "Label"},
    {.places = ObjectToolbar, .name = "Toolbar_TextEdit", .run = [](Frame& f) { ObjectKey(f, "TextEdit"); },
     .key = "TextEdit", .slot = 5, .image = 4, .tooltip = "TextEdit"},
    {.places = ObjectToolbar, .name = "Toolbar_TextField", .run = [](Frame& f) { ObjectKey(f, "TextField"); },
     .key = "TextField", .slot = 6, .image = 3, .tooltip = "TextField"},
    {.places = ObjectToolbar, .name = "Toolbar_Checkbox", .run = [](Frame& f) { ObjectKey(f, "Checkbox"); },
     .key = "Checkbox", .slot = 8, .image = 5, .tooltip = "Checkbox"},
    {.places = ObjectToolbar, .name = "Toolbar_Radiobutton", .run = [](Frame& f) { ObjectKey(f, "Radiobutton"); },
     .key = "Radiobutton", .slot = 9, .image = 6, .tooltip = "Radiobutton"},
    {.places = ObjectToolbar, .name = "Toolbar_Button", .run = [](Frame& f) { ObjectKey(f, "Button"); },
     .key = "Button", .slot = 11, .image = 7, .tooltip = "Button"},
    {.places = ObjectToolbar, .name = "Toolbar_Scrollbar", .run = [](Frame& f) { ObjectKey(f, "Scrollbar"); },
     .key = "Scrollbar", .slot = 13, .image = 8, .tooltip = "Scrollbar"},
});
// clang-format on

} // namespace

std::span<const Command> Commands() {
    return kCommands;
}

void StandardToolbarClick(MainFrame& frame, const QString& key) {
    for (const Command& command : kCommands) {
        if ((command.places & StandardToolbar) && key == QLatin1String(command.key)) {
            command.run(frame);
            return;
        }
    }
}

} // namespace orvane
