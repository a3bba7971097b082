#pragma once

namespace orvane {

class Workspace;

// Edit > Next Error: the caret goes to the next compiler marker of the active window, after the
// last one back to the first.
void GoToNextError(Workspace& workspace);
// Edit > Previous Error: the same backwards.
void GoToPreviousError(Workspace& workspace);

} // namespace orvane
