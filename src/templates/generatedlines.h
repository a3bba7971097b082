#pragma once

#include <QStringList>

namespace orvane {

// The lines as one text, each followed by CR LF, the last one included.
QString JoinGeneratedLines(const QStringList& lines);

} // namespace orvane
