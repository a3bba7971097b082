#pragma once

#include "app/commandtable.h"

#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QMenuBar;
class QPlainTextEdit;
class QToolBar;

namespace orvane {

// The actions of the command table, each created once, and the menu bars and toolbars built from
// them. An item that stands in both menu bars is one action in both.
class CommandActions {
public:
    explicit CommandActions(MainFrame& frame);

    // The menu bar for `bar` (FrameMenu or DocumentMenu), owned by `parent`.
    QMenuBar* buildMenuBar(Place bar, QWidget* parent);
    // The buttons of `toolbar` (StandardToolbar or ObjectToolbar), in their places.
    void fillToolbar(QToolBar& toolbar, Place which);

    // The menu item `name` (`mnuFileSave`) of the document windows' menu bar, or else of the
    // frame's; nullptr when there is none.
    QAction* item(const QString& name) const;
    // The standard toolbar's button with `key`, or nullptr.
    QAction* button(const QString& key) const;

    // Enables the standard toolbar's text commands and `objectToolbar` as a whole exactly when
    // the active document is not empty.
    void setToolbarState(bool empty, QToolBar& objectToolbar);
    // Enables the menu items that need text exactly when the active document is not empty.
    void setMenuState(bool empty);
    // Undo and Redo follow `editor`'s history, or are off without one.
    void followHistory(QPlainTextEdit* editor);
    // Sets every check mark from its row's rule.
    void showChecks();

private:
    struct Entry {
        const Command* row;
        QAction* item = nullptr;
        QAction* button = nullptr;
    };

    const Entry* entryOf(const Command& row) const;
    QAction* createItem(const Command& row);
    QAction* createButton(const Command& row);
    void run(const Command& row);
    void setEnabled(Enabling rule, bool enabled, bool buttonsToo);

    MainFrame& frame_;
    QList<Entry> entries_;
    QMetaObject::Connection undoFollowed_;
    QMetaObject::Connection redoFollowed_;
};

} // namespace orvane
