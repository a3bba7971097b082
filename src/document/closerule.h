#pragma once

namespace orvane {

class MainFrame;
class DocumentWindow;

// Decides whether `window` may close, saving or asking first. False keeps the window open:
// its text could not be saved and would otherwise be lost.
bool ApplyCloseRule(MainFrame& frame, DocumentWindow& window);

} // namespace orvane
