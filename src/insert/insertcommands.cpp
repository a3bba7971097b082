#include "insert/insertcommands.h"

namespace orvane {

void InsertStatement(MainFrame&, StatementKind) {}
void ShowVariableDialog(MainFrame&) {}
void ShowFunctionDialog(MainFrame&) {}
void ShowObjectPage(MainFrame&, int) {}
void ShowObjectForToolbarKey(MainFrame&, const QString&) {}

} // namespace orvane
