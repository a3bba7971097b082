#pragma once

#include "toolchain/javacdiagnostics.h"

namespace orvane {

class DiagnosticMarkers;
class DocumentWindow;
class Workspace;

// The markers of `window`'s editor, their messages going to the frame's status line.
DiagnosticMarkers& MarkersOf(Workspace& workspace, DocumentWindow& window);

// After a compiler run that printed `output`: every window whose text is its file as saved shows
// the diagnostics about that file, and only those, so the run replaces what was marked before.
// A window with unsaved changes keeps its markers: the compiler saw other text than it holds.
// Relative paths in messages are read against `workingFolder`.
void ShowCompilerMarkers(Workspace& workspace, const QString& output, const QString& workingFolder);

} // namespace orvane
