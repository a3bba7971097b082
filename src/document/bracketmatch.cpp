#include "document/bracketmatch.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr QStringView kOpening = u"([{";
constexpr QStringView kClosing = u")]}";

// Text that is written, not code: its brackets are no pairs.
bool isWrittenText(SyntaxKind kind) {
    using enum SyntaxKind;
    return kind == String || kind == Character || kind == Escape || kind == Comment ||
           kind == DocComment || kind == Value || kind == HtmlComment;
}

// Code columns of one line, marked false where a string or comment covers them.
QList<bool> codeColumns(const BracketSource& source, int line, const QString& text) {
    QList<bool> code(text.size(), true);
    const ColouredLine colouring = ColourLine(source.language, text, source.startState(line));
    for (const SyntaxSpan& span : colouring.spans) {
        if (isWrittenText(span.kind))
            std::fill_n(code.begin() + span.start, span.length, false);
    }
    return code;
}

} // namespace

bool IsCodeColumn(const ColouredLine& colouring, int column) {
    return std::none_of(colouring.spans.cbegin(), colouring.spans.cend(),
                        [column](const SyntaxSpan& span) {
                            return column >= span.start && column < span.start + span.length &&
                                   isWrittenText(span.kind);
                        });
}

std::optional<TextPlace> MatchingBracket(const BracketSource& source, TextPlace at) {
    const QString first = source.line(at.line);
    const QChar bracket = first.at(at.column);
    const qsizetype open = kOpening.indexOf(bracket);
    const qsizetype close = kClosing.indexOf(bracket);
    if (open < 0 && close < 0)
        return std::nullopt;
    const bool forward = open >= 0;
    const QChar self = bracket;
    const QChar partner = forward ? kClosing[open] : kOpening[close];
    int depth = 0;
    for (int line = at.line; line >= 0 && line < source.lineCount; line += forward ? 1 : -1) {
        const QString text = line == at.line ? first : source.line(line);
        const QList<bool> code = codeColumns(source, line, text);
        const int size = int(text.size());
        int column = line == at.line ? at.column : (forward ? 0 : size - 1);
        for (; column >= 0 && column < size; column += forward ? 1 : -1) {
            if (!code[column])
                continue;
            if (text[column] == self)
                ++depth;
            else if (text[column] == partner && --depth == 0)
                return TextPlace{line, column};
        }
    }
    return std::nullopt;
}

} // namespace orvane
