#pragma once

namespace orvane {

class MainFrame;

// The clipboard commands on the active document; each does nothing without one.
void CutText(MainFrame& frame);
void CopyText(MainFrame& frame);
void PasteText(MainFrame& frame);
void SelectAllText(MainFrame& frame);

} // namespace orvane
