#include "toolchain/toolchaincommands.h"

namespace orvane {

void CompileDocument(MainFrame&) {}
void PreviewDocument(MainFrame&) {}
void ShowRunDialog(MainFrame&) {}

} // namespace orvane
