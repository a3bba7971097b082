#pragma once

namespace orvane {

class DocumentWindow;
class MainFrame;

// When `window`'s file changed on disk since Orvane read or wrote it: an unchanged document is
// read again quietly, with a word in the status line; a changed one asks first, and No keeps
// its text.
void FollowDiskChange(MainFrame& frame, DocumentWindow& window);

} // namespace orvane
