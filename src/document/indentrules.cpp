#include "document/indentrules.h"

#include "document/bracketmatch.h"

#include <algorithm>

namespace orvane {

namespace {

// Enough lines to judge by, few enough to read at once when a file opens.
constexpr int kLinesToJudge = 40;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isBlockCommentAtEnd(QStringView text, const ColouredLine& colouring) {
    if (colouring.spans.isEmpty())
        return false;
    const SyntaxSpan& last = colouring.spans.last();
    const bool comment = last.kind == SyntaxKind::Comment || last.kind == SyntaxKind::DocComment;
    const QStringView covered = text.sliced(last.start, last.length);
    return comment && last.start + last.length == text.size() && !covered.startsWith(u"//") &&
           !covered.endsWith(u"*/");
}

} // namespace

QString IndentUnit(const IndentStyle& style) {
    return style.tabs ? QStringLiteral("\t") : QString(style.width, u' ');
}

QStringView LeadingBlanks(QStringView line) {
    qsizetype end = 0;
    while (end < line.size() && isBlank(line[end]))
        ++end;
    return line.first(end);
}

int VisualColumn(QStringView text, int tabWidth) {
    int column = 0;
    for (const QChar c : text)
        column = c == u'\t' ? (column / tabWidth + 1) * tabWidth : column + 1;
    return column;
}

QString TabInsertion(int column, const IndentStyle& style) {
    return style.tabs ? QStringLiteral("\t") : QString(style.width - column % style.width, u' ');
}

QString NextLineIndent(QStringView beforeCaret, const ColouredLine& colouring,
                       const IndentStyle& style) {
    const QStringView indent = LeadingBlanks(beforeCaret);
    const QStringView content = beforeCaret.sliced(indent.size()).trimmed();
    if (isBlockCommentAtEnd(beforeCaret, colouring)) {
        if (content.startsWith(u"/*"))
            return indent.toString() + QStringLiteral(" * ");
        if (content.startsWith(u"*"))
            return indent.toString() + QStringLiteral("* ");
        return indent.toString();
    }
    qsizetype end = beforeCaret.size();
    while (end > 0 && beforeCaret[end - 1].isSpace())
        --end;
    if (end > 0 && beforeCaret[end - 1] == u'{' && IsCodeColumn(colouring, int(end - 1)))
        return indent.toString() + IndentUnit(style);
    return indent.toString();
}

int DedentLength(QStringView indent, const IndentStyle& style) {
    if (indent.isEmpty())
        return 0;
    if (indent.back() == u'\t')
        return 1;
    int blanks = 0;
    while (blanks < indent.size() && indent[indent.size() - 1 - blanks] == u' ')
        ++blanks;
    const int column = VisualColumn(indent, style.width);
    return std::min(blanks, (column - 1) % style.width + 1);
}

int OutdentLength(QStringView line, const IndentStyle& style) {
    if (line.startsWith(u'\t'))
        return 1;
    int blanks = 0;
    while (blanks < line.size() && line[blanks] == u' ')
        ++blanks;
    if (blanks == 0)
        return 0;
    if (blanks < line.size() && line[blanks] == u'\t' && blanks < style.width)
        return blanks + 1;
    return (blanks - 1) % style.width + 1;
}

std::optional<bool> IndentsWithTabs(QStringView text) {
    int tabs = 0;
    int blanks = 0;
    int judged = 0;
    for (const QStringView line : text.tokenize(u'\n')) {
        if (judged == kLinesToJudge)
            break;
        const QStringView indent = LeadingBlanks(line);
        const QStringView rest = line.sliced(indent.size()).trimmed();
        // " * " lines of a comment at the top level start with a blank whatever the file uses.
        if (indent.isEmpty() || rest.isEmpty() || rest.startsWith(u'*'))
            continue;
        ++judged;
        ++(indent.front() == u'\t' ? tabs : blanks);
    }
    if (judged == 0)
        return std::nullopt;
    return tabs > blanks;
}

} // namespace orvane
