#pragma once

#include "insert/statementskeletons.h"

#include <QString>

namespace orvane {

class Workspace;

// Insert > Statement... > one of the eight skeletons.
void InsertStatement(Workspace& workspace, StatementKind kind);
// Insert > Variable... and Insert > Function...
void ShowVariableDialog(Workspace& workspace);
void ShowFunctionDialog(Workspace& workspace);
// Insert > Label, Text, Font, ...: the Insert Object dialog on `page`, nothing preset.
void ShowObjectPage(Workspace& workspace, int page);
// An object toolbar button: the Insert Object dialog on the button's page with its preset.
void ShowObjectForToolbarKey(Workspace& workspace, const QString& key);

} // namespace orvane
