#include "search/searchcommands.h"

namespace orvane {

void ShowFindDialog(MainFrame&) {}
void ShowReplaceDialog(MainFrame&) {}

} // namespace orvane
