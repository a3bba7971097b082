#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <utility>

namespace orvane {

// One recipe for every menu command: name (for tests and the enabling rules), caption with its
// access letter, optional shortcut, and the handler it dispatches to.
template <typename Handler>
QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut, Handler&& handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, std::forward<Handler>(handler));
    return action;
}

template <typename Handler>
QAction* addCommand(QMenu* menu, const char* name, const QString& caption, Handler&& handler) {
    return addCommand(menu, name, caption, QKeySequence(), std::forward<Handler>(handler));
}

inline QMenu* addSubmenu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace orvane
