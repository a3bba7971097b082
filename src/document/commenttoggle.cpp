#include "document/commenttoggle.h"

#include "document/indentrules.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

bool isBlankLine(const QString& line) {
    return line.trimmed().isEmpty();
}

} // namespace

QStringList ToggleLineComments(const QStringList& lines) {
    QStringList out = lines;
    const bool anyText = !std::all_of(lines.cbegin(), lines.cend(), isBlankLine);
    const bool allCommented =
        anyText && std::all_of(lines.cbegin(), lines.cend(), [](const QString& line) {
            return isBlankLine(line) || line.sliced(LeadingBlanks(line).size()).startsWith(u"//");
        });
    if (allCommented) {
        for (QString& line : out) {
            if (isBlankLine(line))
                continue;
            const qsizetype at = LeadingBlanks(line).size();
            line.remove(at, line.sliced(at).startsWith(u"// ") ? 3 : 2);
        }
        return out;
    }
    qsizetype column = std::numeric_limits<qsizetype>::max();
    for (const QString& line : lines) {
        if (!anyText || !isBlankLine(line))
            column = std::min(column, LeadingBlanks(line).size());
    }
    for (QString& line : out) {
        if (!anyText || !isBlankLine(line))
            line.insert(column, QStringLiteral("// "));
    }
    return out;
}

QString ToggleHtmlComment(const QString& text) {
    const QString inner = text.trimmed();
    if (inner.size() >= 7 && inner.startsWith(u"<!--") && inner.endsWith(u"-->")) {
        const qsizetype open = text.indexOf(u"<!--");
        const qsizetype close = text.lastIndexOf(u"-->");
        QString body = text.mid(open + 4, close - open - 4);
        if (body.startsWith(u' '))
            body.remove(0, 1);
        if (body.endsWith(u' '))
            body.chop(1);
        return text.first(open) + body + text.sliced(close + 3);
    }
    return QStringLiteral("<!-- ") + text + QStringLiteral(" -->");
}

} // namespace orvane
