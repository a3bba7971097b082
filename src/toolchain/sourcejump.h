#pragma once

#include <QString>

namespace orvane {

class Workspace;

// Activates the document window of the file at `path`, opening it first when no window shows it,
// and puts the caret at the start of line `line` (counted from 1). False when the file can't be
// read.
bool ShowSourceLine(Workspace& workspace, const QString& path, int line);

} // namespace orvane
