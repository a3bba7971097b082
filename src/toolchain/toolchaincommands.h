#pragma once

namespace orvane {

class MainFrame;

// View > Compile.
void CompileDocument(MainFrame& frame);
// View > Preview and the "Preview" toolbar button.
void PreviewDocument(MainFrame& frame);
// The "Run" toolbar button: the Run Project dialog.
void ShowRunDialog(MainFrame& frame);

} // namespace orvane
