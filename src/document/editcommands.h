#pragma once

namespace orvane {

class Workspace;

// The clipboard commands on the active document; each does nothing without one.
void CutText(Workspace& workspace);
void CopyText(Workspace& workspace);
void PasteText(Workspace& workspace);
void SelectAllText(Workspace& workspace);

} // namespace orvane
