#include "toolchain/javacdiagnostics.h"

#include <QRegularExpression>

#include <algorithm>

namespace orvane {

namespace {

// The shortest path before ":<digits>: ", so a drive letter's colon stays in the path.
const QRegularExpression& headerPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(.+?):(\\d{1,9}): (error|warning|note): (.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Blanks and tabs, then the one caret.
bool isCaretLine(QStringView line) {
    const QStringView trimmed = line.trimmed();
    return trimmed == u"^" && std::all_of(line.cbegin(), line.cbegin() + line.indexOf(u'^'),
                                          [](QChar c) { return c == u' ' || c == u'\t'; });
}

DiagnosticKind kindOf(const QString& word) {
    if (word == u"error")
        return DiagnosticKind::Error;
    return word == u"warning" ? DiagnosticKind::Warning : DiagnosticKind::Note;
}

bool isDetailLine(const QString& line) {
    return !line.isEmpty() && (line.front() == u' ' || line.front() == u'\t') &&
           !headerPattern().match(line).hasMatch();
}

} // namespace

QList<CompilerDiagnostic> ParseJavacOutput(const QString& output) {
    QStringList lines = output.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    QList<CompilerDiagnostic> found;
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QRegularExpressionMatch header = headerPattern().match(lines.at(i));
        if (!header.hasMatch())
            continue;
        CompilerDiagnostic diagnostic;
        diagnostic.path = header.captured(1);
        diagnostic.line = header.captured(2).toInt();
        diagnostic.kind = kindOf(header.captured(3).toLower());
        diagnostic.message = header.captured(4);
        qsizetype next = i + 1;
        if (next + 1 < count && isCaretLine(lines.at(next + 1))) {
            diagnostic.column = static_cast<int>(lines.at(next + 1).indexOf(u'^')) + 1;
            next += 2;
        }
        for (; next < count && isDetailLine(lines.at(next)); ++next)
            diagnostic.message += u'\n' + lines.at(next).trimmed();
        if (diagnostic.line > 0)
            found.append(diagnostic);
        i = next - 1;
    }
    return found;
}

} // namespace orvane
