#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace orvane {

class Workspace;

// The name box of Insert Variable and Insert Function: it selects its whole text when it gets
// the focus and loses blanks each time it loses it (CleanVariableName).
QLineEdit* NameBox(const char* name, const QString& text, int widthTwips, QWidget* parent);

// The whole text of the frame's active document, or empty text when none is open.
QString ActiveDocumentText(const Workspace& workspace);

} // namespace orvane
