#pragma once

#include "insert/statementskeletons.h"

#include <QString>

namespace orvane {

class MainFrame;

// Insert > Statement... > one of the eight skeletons.
void InsertStatement(MainFrame& frame, StatementKind kind);
// Insert > Variable... and Insert > Function...
void ShowVariableDialog(MainFrame& frame);
void ShowFunctionDialog(MainFrame& frame);
// Insert > Label, Text, Font, ...: the Insert Object dialog on `page`, nothing preset.
void ShowObjectPage(MainFrame& frame, int page);
// An object toolbar button: the Insert Object dialog on the button's page with its preset.
void ShowObjectForToolbarKey(MainFrame& frame, const QString& key);

} // namespace orvane
