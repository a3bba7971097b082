#pragma once

namespace orvane {

class Workspace;
class DocumentWindow;

// Decides whether `window` may close, saving or asking first. False keeps the window open: its
// text was not saved and would otherwise be lost.
bool ApplyCloseRule(Workspace& workspace, DocumentWindow& window);

} // namespace orvane
