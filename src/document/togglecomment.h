#pragma once

namespace orvane {

class Workspace;

// Edit > Toggle Comment: "// " on or off at the start of each line the selection touches in
// Java (and any text that is not a page), "<!-- -->" around the selection, or the caret's line,
// in an HTML page. One step for Undo.
void ToggleComment(Workspace& workspace);

} // namespace orvane
