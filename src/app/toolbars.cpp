#include "app/toolbars.h"

#include "app/helpcommands.h"
#include "app/mainframe.h"
#include "document/editcommands.h"
#include "document/filecommands.h"
#include "document/printcommand.h"
#include "search/searchcommands.h"
#include "toolchain/toolchaincommands.h"

#include <QAction>
#include <QToolBar>

#include <array>

namespace orvane {

namespace {

constexpr std::array<ToolbarButton, 16> standardButtons{{
    {"New", "New Document", "Creates a new, blank document.", 1},
    {nullptr, nullptr, nullptr, 0},
    {"Open", "Open Project or Document", "Opens a project or document.", 2},
    {"Save", "Save Project or Document", "Saves a project or document.", 3},
    {"Print", "Print Document", "Prints a document.", 4},
    {nullptr, nullptr, nullptr, 0},
    {"Preview", "Preview", "", 10},
    {"Run", "Run", "", 11},
    {nullptr, nullptr, nullptr, 0},
    {"Cut", "Cut", "Cuts selected text to Clipboard", 5},
    {"Copy", "Copy", "Copies selected text to Clipboard", 6},
    {"Paste", "Paste", "Pastes text from Clipboard", 7},
    {nullptr, nullptr, nullptr, 0},
    {"Find", "Find", "Search document for a word or phrase.", 8},
    {nullptr, nullptr, nullptr, 0},
    {"Help", "Help", "", 9},
}};

constexpr std::array<ToolbarButton, 13> objectButtons{{
    {"Font", "Font", "", 2},
    {nullptr, nullptr, nullptr, 0},
    {"Label", "Label", "", 1},
    {nullptr, nullptr, nullptr, 0},
    {"TextEdit", "TextEdit", "", 4},
    {"TextField", "TextField", "", 3},
    {nullptr, nullptr, nullptr, 0},
    {"Checkbox", "Checkbox", "", 5},
    {"Radiobutton", "Radiobutton", "", 6},
    {nullptr, nullptr, nullptr, 0},
    {"Button", "Button", "", 7},
    {nullptr, nullptr, nullptr, 0},
    {"Scrollbar", "Scrollbar", "", 8},
}};

constexpr std::array governedButtons{"Save", "Print", "Preview", "Run",
                                     "Cut",  "Copy",  "Paste",   "Find"};

struct KeyCommand {
    const char* key;
    void (*command)(Workspace&);
};

void newDocument(Workspace& workspace) {
    workspace.newDocumentWindow();
}

void saveActive(Workspace& workspace) {
    if (DocumentWindow* window = workspace.activeDocument())
        SaveDocument(workspace, *window);
}

// Keys are matched exactly and in this order; the first match decides.
constexpr std::array<KeyCommand, 11> standardCommands{{
    {"New", newDocument},
    {"Open", OpenDocument},
    {"Save", saveActive},
    {"Print", PrintDocument},
    {"Preview", PreviewDocument},
    {"Run", ShowRunDialog},
    {"Cut", CutText},
    {"Copy", CopyText},
    {"Paste", PasteText},
    {"Find", ShowFindDialog},
    {"Help", ShowHelpContents},
}};

} // namespace

std::span<const ToolbarButton> StandardToolbarButtons() {
    return standardButtons;
}

std::span<const ToolbarButton> ObjectToolbarButtons() {
    return objectButtons;
}

void SetToolbarState(MainFrame& frame, bool empty) {
    frame.objectToolbar().setEnabled(!empty);
    for (const char* key : governedButtons) {
        if (QAction* button = frame.toolbarButton(QString::fromLatin1(key)))
            button->setEnabled(!empty);
    }
}

void StandardToolbarClick(MainFrame& frame, const QString& key) {
    for (const KeyCommand& entry : standardCommands) {
        if (key == QLatin1String(entry.key)) {
            entry.command(frame);
            return;
        }
    }
}

void FillToolbar(QToolBar& toolbar, std::span<const ToolbarButton> buttons, QIcon (*image)(int),
                 const std::function<void(const QString&)>& onClick) {
    for (const ToolbarButton& button : buttons) {
        if (!button.key) {
            toolbar.addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(button.key);
        QAction* action = toolbar.addAction(image(button.image), key);
        action->setObjectName(QStringLiteral("Toolbar_") + key);
        action->setData(key);
        action->setToolTip(QString::fromLatin1(button.tooltip));
        action->setStatusTip(QString::fromLatin1(button.description));
        QObject::connect(action, &QAction::triggered, &toolbar, [onClick, key] { onClick(key); });
    }
}

} // namespace orvane
