#pragma once

namespace orvane {

class Workspace;

// Points added to the size of every editor's font for the rest of this run; the stored font
// stays as it is.
int EditorZoom();
// Sets the points (kept within what leaves a readable font) and applies them to every window.
void SetEditorZoom(Workspace& workspace, int points);

// View > Zoom In, Zoom Out and Reset Zoom: one point larger, smaller, or the stored size.
void ZoomIn(Workspace& workspace);
void ZoomOut(Workspace& workspace);
void ZoomReset(Workspace& workspace);

} // namespace orvane
