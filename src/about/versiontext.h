#pragma once

#include <QString>

namespace orvane {

// Major, ".", minor, then the revision with no separator: 1, 0, 1 gives "1.01".
QString VersionText(int major, int minor, int revision);

// The running program's own version text.
QString ProgramVersionText();

} // namespace orvane
