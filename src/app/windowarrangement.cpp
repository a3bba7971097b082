#include "app/windowarrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace orvane {

namespace {

void TileStacked(QMdiArea& area, bool fullWidth) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->isMinimized() && sub->isVisible())
            windows.append(sub);
    }
    if (windows.isEmpty())
        return;
    const QRect room = area.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* sub = windows.at(count - 1 - i);
        if (sub->isMaximized())
            sub->showNormal();
        if (fullWidth) {
            const int top = room.height() * i / count;
            sub->setGeometry(0, top, room.width(), room.height() * (i + 1) / count - top);
        } else {
            const int left = room.width() * i / count;
            sub->setGeometry(left, 0, room.width() * (i + 1) / count - left, room.height());
        }
    }
}

} // namespace

void TileWindowsHorizontally(QMdiArea& area) {
    TileStacked(area, true);
}

void TileWindowsVertically(QMdiArea& area) {
    TileStacked(area, false);
}

// Qt's own cascade shrinks every window to a small default; this one keeps the size new windows
// open at, oldest at the top left and the active one in front.
void CascadeWindows(QMdiArea& area) {
    int index = 0;
    for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isMinimized() || !sub->isVisible())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        PlaceInCascade(area, *sub, index++);
    }
    if (QMdiSubWindow* active = area.activeSubWindow())
        active->raise();
}

void ArrangeIcons(QMdiArea& area) {
    const QRect room = area.viewport()->rect();
    int x = 0;
    int y = room.height();
    for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > room.width()) {
            x = 0;
            y -= size.height();
        }
        sub->move(x, y - size.height());
        x += size.width();
    }
}

void PlaceInCascade(QMdiArea& area, QMdiSubWindow& window, int index) {
    const QSize room = area.viewport()->size();
    const QSize size(std::max(room.width() * 2 / 3, 440), std::max(room.height() * 2 / 3, 200));
    const int step = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + 4;
    const int free =
        std::max(std::min(room.width() - size.width(), room.height() - size.height()), step);
    const int offset = (step * index) % free;
    window.setGeometry(offset, offset, size.width(), size.height());
}

void ActivateNextInView(QMdiArea& area, QMdiSubWindow& window) {
    if (area.activeSubWindow() != &window)
        return;
    // The history runs from the first activated to the latest.
    const QList<QMdiSubWindow*> history = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto other = history.crbegin(); other != history.crend(); ++other) {
        if (*other != &window && !(*other)->isMinimized() && (*other)->isVisible()) {
            area.setActiveSubWindow(*other);
            return;
        }
    }
}

} // namespace orvane
