#pragma once

#include <QString>

namespace orvane {

// True when `text` contains "import java" in any letter case: the sign of a Java source that the
// insertion commands may write into.
bool HasJavaSource(const QString& text);

// `text` without its leading and trailing blanks; tabs and other white space stay, because only
// blanks are stripped from what the user types.
QString TrimBlanks(const QString& text);

} // namespace orvane
