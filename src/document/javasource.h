#pragma once

#include <QString>

namespace orvane {

// True when `text` contains "import java" in any letter case: the sign of a Java source that the
// insertion commands may write into.
bool HasJavaSource(const QString& text);

} // namespace orvane
