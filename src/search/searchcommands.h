#pragma once

namespace orvane {

class MainFrame;

// Edit > Find and the "Find" toolbar button: the search dialog in find mode.
void ShowFindDialog(MainFrame& frame);
// Edit > Replace.
void ShowReplaceDialog(MainFrame& frame);

} // namespace orvane
