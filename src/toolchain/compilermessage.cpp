#include "toolchain/compilermessage.h"

#include <QRegularExpression>

namespace orvane {

std::optional<SourceLine> ParseCompilerMessage(const QString& text) {
    // The shortest path before ":<digits>:", so a drive letter's colon stays in the path.
    static const QRegularExpression pattern(QStringLiteral("^(.+?):(\\d{1,9}):"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int line = match.captured(2).toInt();
    if (line < 1)
        return std::nullopt;
    return SourceLine{match.captured(1), line};
}

int LineStartPosition(const QString& text, int line) {
    qsizetype position = 0;
    for (int current = 1; current < line; ++current) {
        const qsizetype lineBreak = text.indexOf(QStringLiteral("\r\n"), position);
        if (lineBreak < 0)
            return static_cast<int>(text.size());
        position = lineBreak + 2;
    }
    return static_cast<int>(position);
}

} // namespace orvane
