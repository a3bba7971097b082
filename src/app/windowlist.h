#pragma once

class QMenu;

namespace orvane {

class MainFrame;

// Lists the open document windows at the end of `menu` each time it opens, the active one
// checked; choosing one activates it.
void AttachWindowList(QMenu& menu, MainFrame& frame);

} // namespace orvane
