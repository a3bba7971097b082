#include "document/caretstatus.h"

namespace orvane {

QString CaretPlaceText(int line, int column) {
    return QStringLiteral("Ln ") + QString::number(line) + QStringLiteral(", Col ") +
           QString::number(column);
}

QString LineBreakName(TextFormat::LineBreak lineBreak) {
    switch (lineBreak) {
    case TextFormat::LineBreak::Lf:
        return QStringLiteral("LF");
    case TextFormat::LineBreak::Cr:
        return QStringLiteral("CR");
    case TextFormat::LineBreak::CrLf:
        break;
    }
    return QStringLiteral("CR LF");
}

QString FileFormatText(const TextFormat& format) {
    return EncodingName(format.encoding) + QStringLiteral(" \u00b7 ") +
           LineBreakName(format.lineBreak);
}

} // namespace orvane
