#include "document/filecommands.h"

namespace orvane {

void OpenDocument(MainFrame&) {}

bool SaveDocument(MainFrame&, DocumentWindow&) {
    return false;
}

} // namespace orvane
