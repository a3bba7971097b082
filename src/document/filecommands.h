#pragma once

#include <QString>

namespace orvane {

class Workspace;
class DocumentWindow;

// File > Open and the "Open" toolbar button.
void OpenDocument(Workspace& workspace);
// Opens the file at `path` in a new window by Open's rules (size limit, messages, error trap),
// as for a file named on the command line or dropped on the frame.
void OpenDocumentFile(Workspace& workspace, const QString& path);
// Reads `window`'s file again by the same rules; false when it was refused or failed, and the
// window keeps its text.
bool ReloadDocumentFile(Workspace& workspace, DocumentWindow& window);

// Saves `window` to its file, asking for a name first when it is untitled. False when the text
// is blank, the user cancelled the dialog or abandoned the save after a failure.
bool SaveDocument(Workspace& workspace, DocumentWindow& window);

} // namespace orvane
