#pragma once

class QMdiArea;
class QMdiSubWindow;

namespace orvane {

// The Window menu's arrangements of the document windows in `area`. Minimised and hidden windows
// stay where they are, except for ArrangeIcons, which lines the minimised ones up along the
// bottom.
void CascadeWindows(QMdiArea& area);
// One above another at full width.
void TileWindowsHorizontally(QMdiArea& area);
// Side by side at full height.
void TileWindowsVertically(QMdiArea& area);
void ArrangeIcons(QMdiArea& area);

// The `index`th place of the cascade, at two thirds of the area, as new windows open; it starts
// over before a window would leave the visible area.
void PlaceInCascade(QMdiArea& area, QMdiSubWindow& window, int index);

// Gives the activation to the most recently active window still in view, when `window` (just
// minimised) has it: typing must not go on into a window out of sight.
void ActivateNextInView(QMdiArea& area, QMdiSubWindow& window);

} // namespace orvane
