#include "app/commandactions.h"

#include "app/mainframe.h"
#include "app/recentmenu.h"
#include "app/toolbaricons.h"
#include "app/windowlist.h"
#include "platform/desktop.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>

#include <algorithm>

namespace orvane {

namespace {

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

QKeySequence Keys(QKeyCombination keys) {
    return keys.key() == Qt::Key(0) ? QKeySequence() : QKeySequence(keys);
}

} // namespace

CommandActions::CommandActions(MainFrame& frame) : frame_(frame) {
    for (const Command& row : Commands()) {
        Entry entry{&row};
        if ((row.kind == RowKind::Item || row.kind == RowKind::Check) && (row.places & BothMenus))
            entry.item = createItem(row);
        if (row.places & (StandardToolbar | ObjectToolbar))
            entry.button = createButton(row);
        if (entry.item || entry.button)
            entries_.append(entry);
    }
}

// Parented to the frame, whose menu bars show them; their shortcuts work while a bar that holds
// them is on screen.
QAction* CommandActions::createItem(const Command& row) {
    auto* action = new QAction(Text(row.caption), &frame_);
    action->setObjectName(Text(row.name));
    QList<QKeySequence> shortcuts;
    for (QKeyCombination keys : {row.shortcut, row.otherShortcut}) {
        if (!Keys(keys).isEmpty())
            shortcuts.append(Keys(keys));
    }
    action->setShortcuts(shortcuts);
    action->setStatusTip(Text(row.statusTip));
    action->setCheckable(row.kind == RowKind::Check);
    QObject::connect(action, &QAction::triggered, &frame_, [this, &row] { run(row); });
    return action;
}

QAction* CommandActions::createButton(const Command& row) {
    const QString key = Text(row.key);
    const bool standard = row.places & StandardToolbar;
    auto* action = new QAction(
        standard ? StandardToolbarImage(row.image) : ObjectToolbarImage(row.image), key, &frame_);
    action->setObjectName(QStringLiteral("Toolbar_") + key);
    action->setData(key);
    action->setToolTip(Text(row.tooltip));
    action->setStatusTip(Text(row.statusTip));
    if (standard)
        QObject::connect(action, &QAction::triggered, &frame_,
                         [this, key] { StandardToolbarClick(frame_, key); });
    else
        QObject::connect(action, &QAction::triggered, &frame_, [this, &row] { run(row); });
    return action;
}

// A check mark shows the state the command left, not the click.
void CommandActions::run(const Command& row) {
    row.run(frame_);
    showChecks();
}

QMenuBar* CommandActions::buildMenuBar(Place bar, QWidget* parent) {
    auto* menuBar = new QMenuBar(parent);
    QHash<QString, QMenu*> menus;
    for (const Command& row : Commands()) {
        if (!(row.places & bar))
            continue;
        QMenu* parentMenu = row.parent ? menus.value(Text(row.parent)) : nullptr;
        if (row.parent && !parentMenu)
            continue;
        switch (row.kind) {
        case RowKind::Menu: {
            auto* menu = new QMenu(Text(row.caption), menuBar);
            menu->setObjectName(Text(row.name));
            menu->menuAction()->setObjectName(Text(row.name));
            QObject::connect(menu, &QMenu::aboutToShow, menuBar, [this] { showChecks(); });
            if (parentMenu)
                parentMenu->addMenu(menu);
            else
                menuBar->addMenu(menu);
            menus.insert(Text(row.name), menu);
            break;
        }
        case RowKind::Separator:
            if (parentMenu)
                parentMenu->addSeparator();
            break;
        case RowKind::Item:
        case RowKind::Check:
            if (parentMenu)
                parentMenu->addAction(entryOf(row)->item);
            break;
        }
    }
    AttachRecentFiles(*menus.value(QStringLiteral("mnuFile")), frame_);
    if (QMenu* windows = menus.value(QStringLiteral("mnuWindow")))
        AttachWindowList(*windows, frame_);
    return menuBar;
}

void CommandActions::fillToolbar(QToolBar& toolbar, Place which) {
    QList<const Entry*> buttons;
    for (const Entry& entry : entries_) {
        if (entry.row->places & which)
            buttons.append(&entry);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Entry* a, const Entry* b) { return a->row->slot < b->row->slot; });
    int place = 1;
    for (const Entry* entry : buttons) {
        // A place the table leaves free holds a separator.
        for (; place < entry->row->slot; ++place)
            toolbar.addSeparator();
        toolbar.addAction(entry->button);
        ++place;
    }
}

const CommandActions::Entry* CommandActions::entryOf(const Command& row) const {
    for (const Entry& entry : entries_) {
        if (entry.row == &row)
            return &entry;
    }
    return nullptr;
}

QAction* CommandActions::item(const QString& name) const {
    QAction* found = nullptr;
    for (const Entry& entry : entries_) {
        if (entry.item && entry.item->objectName() == name) {
            found = entry.item;
            if (entry.row->places & DocumentMenu)
                break;
        }
    }
    return found;
}

QAction* CommandActions::button(const QString& key) const {
    for (const Entry& entry : entries_) {
        if (entry.button && (entry.row->places & StandardToolbar) &&
            entry.button->data().toString() == key)
            return entry.button;
    }
    return nullptr;
}

void CommandActions::setEnabled(Enabling rule, bool enabled, bool buttons) {
    for (const Entry& entry : entries_) {
        if (entry.row->enabling != rule)
            continue;
        QAction* action = buttons ? entry.button : entry.item;
        if (action)
            action->setEnabled(enabled);
    }
}

void CommandActions::setToolbarState(bool empty, QToolBar& objectToolbar) {
    objectToolbar.setEnabled(!empty);
    setEnabled(Enabling::NeedsText, !empty, true);
}

void CommandActions::setMenuState(bool empty) {
    const BusyPointer busy(frame_.desktop());
    setEnabled(Enabling::NeedsText, !empty, false);
}

void CommandActions::followHistory(QPlainTextEdit* editor) {
    QObject::disconnect(undoFollowed_);
    QObject::disconnect(redoFollowed_);
    const auto enable = [this](Enabling rule, bool on) {
        setEnabled(rule, on, false);
    };
    enable(Enabling::Undo, editor && editor->document()->isUndoAvailable());
    enable(Enabling::Redo, editor && editor->document()->isRedoAvailable());
    if (!editor)
        return;
    undoFollowed_ = QObject::connect(editor, &QPlainTextEdit::undoAvailable, &frame_,
                                     [enable](bool on) { enable(Enabling::Undo, on); });
    redoFollowed_ = QObject::connect(editor, &QPlainTextEdit::redoAvailable, &frame_,
                                     [enable](bool on) { enable(Enabling::Redo, on); });
}

void CommandActions::showChecks() {
    for (const Entry& entry : entries_) {
        if (entry.row->checked && entry.item)
            entry.item->setChecked(entry.row->checked(frame_));
    }
}

} // namespace orvane
