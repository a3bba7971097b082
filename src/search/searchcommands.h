#pragma once

namespace orvane {

class Workspace;

// Edit > Find and the "Find" toolbar button: the search dialog in find mode.
void ShowFindDialog(Workspace& workspace);
// Edit > Replace.
void ShowReplaceDialog(Workspace& workspace);

} // namespace orvane
