#pragma once

namespace orvane {

class Desktop;
class DocumentWindow;

// Enables the eleven text commands of `window`'s menus exactly when its document is not empty,
// under the busy pointer.
void SetMenuState(Desktop& desktop, DocumentWindow& window, bool empty);

} // namespace orvane
