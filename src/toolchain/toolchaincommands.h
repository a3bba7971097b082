#pragma once

namespace orvane {

class Workspace;

// View > Compile.
void CompileDocument(Workspace& workspace);
// View > Preview and the "Preview" toolbar button.
void PreviewDocument(Workspace& workspace);
// The "Run" toolbar button: the Run Project dialog.
void ShowRunDialog(Workspace& workspace);

} // namespace orvane
