#include "document/printcommand.h"

namespace orvane {

void PrintDocument(MainFrame&) {}

} // namespace orvane
