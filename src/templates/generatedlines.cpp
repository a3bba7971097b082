#include "templates/generatedlines.h"

namespace orvane {

QString JoinGeneratedLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace orvane
