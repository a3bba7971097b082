#pragma once

namespace orvane {

class Workspace;
class DocumentWindow;

// File > Open and the "Open" toolbar button.
void OpenDocument(Workspace& workspace);

// Saves `window` to its file, asking for a name first when it is untitled. False when the text
// is blank, the user cancelled the dialog or abandoned the save after a failure.
bool SaveDocument(Workspace& workspace, DocumentWindow& window);

} // namespace orvane
