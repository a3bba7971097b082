#pragma once

#include "templates/projectvalues.h"

#include <QString>

namespace orvane {

// The HTML page that shows the applet through the Java plug-in, every line ended by CR LF.
// Nothing is escaped: a quotation mark in a value cuts its META element short.
QString WriteAppletPage(const ProjectValues& values, const QString& version);

} // namespace orvane
