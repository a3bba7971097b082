#pragma once

#include "templates/projectvalues.h"

#include <QString>

namespace orvane {

// The Java source of a new project, every line ended by CR LF. `version` is the program's version
// text for the header ("1.01"); the values are written as they come, unchecked and unescaped.
QString WriteStandardApplet(const ProjectValues& values, const QString& version);
QString WriteActionListenerApplet(const ProjectValues& values, const QString& version);
QString WriteMouseListenerApplet(const ProjectValues& values, const QString& version);
QString WriteRunnableApplet(const ProjectValues& values, const QString& version);
QString WriteFrameApplication(const ProjectValues& values, const QString& version);

} // namespace orvane
