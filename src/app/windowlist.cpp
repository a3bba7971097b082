#include "app/windowlist.h"

#include "app/mainframe.h"
#include "app/recentfiles.h"
#include "document/documentwindow.h"

#include <QMenu>

#include <memory>

namespace orvane {

namespace {

void ListOpenWindows(QMenu& menu, QList<QAction*>& listed, MainFrame& frame) {
    qDeleteAll(listed);
    listed.clear();
    const QList<DocumentWindow*> windows = frame.documentWindows();
    if (windows.isEmpty())
        return;
    listed.append(menu.addSeparator());
    DocumentWindow* active = frame.activeDocument();
    for (int i = 0; i < windows.size(); ++i) {
        DocumentWindow* window = windows[i];
        QAction* item = menu.addAction(NumberedItemCaption(i, window->caption()));
        item->setObjectName(QStringLiteral("mnuWindowList"));
        // Only the active window carries a mark; the others show no empty box.
        item->setCheckable(window == active);
        item->setChecked(window == active);
        QObject::connect(item, &QAction::triggered, &menu,
                         [&frame, window] { frame.activateDocument(*window); });
        listed.append(item);
    }
}

} // namespace

void AttachWindowList(QMenu& menu, MainFrame& frame) {
    auto listed = std::make_shared<QList<QAction*>>();
    QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                     [&menu, listed, &frame] { ListOpenWindows(menu, *listed, frame); });
}

} // namespace orvane
