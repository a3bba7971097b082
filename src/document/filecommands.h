#pragma once

#include <QString>

namespace orvane {

class Workspace;
class DocumentWindow;

// File > Open and the "Open" toolbar button.
void OpenDocument(Workspace& workspace);

// Opens the file at `path` in a new, active document window by Open's rules: an ordinary file of
// at most 65000 bytes, anything else refused with a message, a failure reported. The window, or
// nullptr when nothing was opened. Every way of opening a file by its path goes through here.
DocumentWindow* OpenDocumentFile(Workspace& workspace, const QString& path);
// Reads `window`'s file again by the same rules; false when it was refused or failed, and the
// window keeps its text.
// A file named from outside the program (its command line): one that does not exist or may
// not be read gets a message naming it; any other is opened by Open's rules.
DocumentWindow* OpenNamedFile(Workspace& workspace, const QString& path);

bool ReloadDocumentFile(Workspace& workspace, DocumentWindow& window);

// Saves `window` to its file, asking for a name first when it is untitled. False when nothing was
// written: the text is blank, the user cancelled the dialog or answered a question other than
// Yes, or a failure was abandoned or ignored.
bool SaveDocument(Workspace& workspace, DocumentWindow& window);

} // namespace orvane
