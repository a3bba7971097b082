#pragma once

namespace orvane {

class Desktop;
class DocumentWindow;
class MainFrame;

// Enables the object toolbar and the standard toolbar's text commands exactly when the active
// document is not empty.
void SetToolbarState(MainFrame& frame, bool empty);
// The same for the eleven text commands of `window`'s menus, under the busy pointer.
void SetMenuState(Desktop& desktop, DocumentWindow& window, bool empty);

} // namespace orvane
