#pragma once

#include <QKeyCombination>

#include <span>

namespace orvane {

class MainFrame;

// Where a row shows: the frame's own menu bar (no document open), the document windows' menu
// bar, and the two toolbars.
enum Place : unsigned char {
    FrameMenu = 1,
    DocumentMenu = 2,
    BothMenus = FrameMenu | DocumentMenu,
    StandardToolbar = 4,
    ObjectToolbar = 8,
};

enum class RowKind : unsigned char { Menu, Item, Check, Separator };

// When a command may run: always, only while the active document holds text, or as the active
// editor's history allows.
enum class Enabling : unsigned char { Always, NeedsText, Undo, Redo };

// One row per command: everything the menus, the toolbars, the toolbar's key-to-command rule and
// command enabling know of it. A menu item with a toolbar button is one row; so is an item that
// stands in both menu bars with the same name and caption.
struct Command {
    RowKind kind = RowKind::Item;
    unsigned char places = 0;
    // The object name of the menu the row sits in; nullptr for the menus of the bar itself and
    // for toolbar-only rows.
    const char* parent = nullptr;
    // Object name: `mnuFileSave`; for toolbar-only rows, "Toolbar_" and the key.
    const char* name = nullptr;
    // With the access letter marked by "&"; "\t" puts a label at the right.
    const char* caption = nullptr;
    QKeyCombination shortcut = QKeyCombination(Qt::Key(0));
    QKeyCombination otherShortcut = QKeyCombination(Qt::Key(0));
    void (*run)(MainFrame&) = nullptr;
    Enabling enabling = Enabling::Always;
    // For a check row: whether its mark is set, read whenever its menu opens.
    bool (*checked)(const MainFrame&) = nullptr;
    // The toolbar button: the key clicks are dispatched by, its place counted from 1 (a skipped
    // place is a separator), its picture, tooltip and status-bar description.
    const char* key = nullptr;
    int slot = 0;
    int image = 0;
    const char* tooltip = nullptr;
    const char* statusTip = "";
};

// Every menu entry and toolbar button, menus in their order on screen.
std::span<const Command> Commands();

// The standard toolbar's click rule: the first row whose key is `key` runs; no match does
// nothing.
void StandardToolbarClick(MainFrame& frame, const QString& key);

} // namespace orvane
