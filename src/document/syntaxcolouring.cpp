#include "document/syntaxcolouring.h"

#include "document/htmlcolouring.h"
#include "document/javasource.h"
#include "document/linescan.h"

#include <algorithm>
#include <array>

namespace orvane {

namespace {

enum JavaState { JavaCode = 0, JavaBlockComment = 1, JavaDocComment = 2, JavaTextBlock = 3 };

// Sorted, for a binary search.
constexpr std::array<QStringView, 50> javaKeywords = {
    u"abstract", u"assert",     u"boolean",  u"break",     u"byte",     u"case",
    u"catch",    u"char",       u"class",    u"const",     u"continue", u"default",
    u"do",       u"double",     u"else",     u"enum",      u"extends",  u"final",
    u"finally",  u"float",      u"for",      u"goto",      u"if",       u"implements",
    u"import",   u"instanceof", u"int",      u"interface", u"long",     u"native",
    u"new",      u"package",    u"private",  u"protected", u"public",   u"return",
    u"short",    u"static",     u"strictfp", u"super",     u"switch",   u"synchronized",
    u"this",     u"throw",      u"throws",   u"transient", u"try",      u"void",
    u"volatile", u"while"};
constexpr std::array<QStringView, 3> javaLiterals = {u"false", u"null", u"true"};
// Words that are keywords only where a declaration or statement puts them: before a name,
// another keyword or (for yield) a value. Sorted.
constexpr std::array<QStringView, 5> javaContextualKeywords = {u"permits", u"record", u"sealed",
                                                               u"var", u"yield"};

template <std::size_t N> bool isOneOf(const std::array<QStringView, N>& words, QStringView word) {
    return std::binary_search(words.begin(), words.end(), word);
}

bool isIdentifierStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'$';
}

bool isIdentifierPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// One escape sequence starting at the backslash `i`; returns the index after it.
int escapeEnd(const LineScan& scan, int i) {
    int j = i + 1;
    if (scan.at(j) == u'u') {
        while (scan.at(j) == u'u')
            ++j;
        for (int k = 0; k < 4 && IsHexDigit(scan.at(j)); ++k)
            ++j;
        return j;
    }
    if (scan.at(j) >= u'0' && scan.at(j) <= u'7') {
        for (int k = 0; k < 3 && scan.at(j) >= u'0' && scan.at(j) <= u'7'; ++k)
            ++j;
        return j;
    }
    return std::min(j + 1, scan.size());
}

// A string or character literal from its opening quote; returns the index after its closing
// quote, or the line's end when it has none (Java literals never span lines).
int javaQuoted(LineScan& scan, int start, QChar quote, SyntaxKind kind) {
    QList<int> escapes;
    int j = start + 1;
    while (j < scan.size()) {
        if (scan.at(j) == u'\\') {
            escapes.append(j);
            escapes.append(escapeEnd(scan, j));
            j = escapes.last();
        } else if (scan.at(j++) == quote) {
            break;
        }
    }
    scan.add(start, j, kind);
    for (int k = 0; k < escapes.size(); k += 2)
        scan.add(escapes[k], escapes[k + 1], SyntaxKind::Escape);
    return j;
}

// The body of a text block from `start`; returns the index after its closing """, or -1 when
// it goes on past this line.
int javaTextBlock(LineScan& scan, int from, int spanStart) {
    QList<int> escapes;
    int j = from;
    int end = -1;
    while (j < scan.size()) {
        if (scan.at(j) == u'\\') {
            escapes.append(j);
            escapes.append(escapeEnd(scan, j));
            j = escapes.last();
        } else if (scan.startsAt(j, u"\"\"\"")) {
            end = j + 3;
            break;
        } else {
            ++j;
        }
    }
    scan.add(spanStart, end < 0 ? scan.size() : end, SyntaxKind::String);
    for (int k = 0; k < escapes.size(); k += 2)
        scan.add(escapes[k], escapes[k + 1], SyntaxKind::Escape);
    return end;
}

// A block comment's rest from `from`; returns the index after "*/", or -1 when it goes on.
int blockCommentEnd(LineScan& scan, int spanStart, int from, SyntaxKind kind) {
    const int close = scan.find(u"*/", from);
    const int end = close < 0 ? -1 : close + 2;
    scan.add(spanStart, end < 0 ? scan.size() : end, kind);
    return end;
}

int javaNumberEnd(const LineScan& scan, int i) {
    const bool hex = scan.at(i) == u'0' && scan.at(i + 1).toLower() == u'x';
    const QChar exponent = hex ? u'p' : u'e';
    int j = i;
    while (j < scan.size()) {
        const QChar c = scan.at(j);
        if (c.isLetterOrNumber() || c == u'_' || c == u'.')
            ++j;
        else if ((c == u'+' || c == u'-') && scan.at(j - 1).toLower() == exponent)
            ++j;
        else
            break;
    }
    return j;
}

// Whether the contextual keyword `word`, ending at `end`, stands where it is a keyword: "var x",
// "record Point", "sealed class", "permits A", "yield 1"; not "var = 3" or "record.size()".
bool startsDeclaredPart(const LineScan& scan, int end, QStringView word) {
    int j = end;
    while (scan.at(j) == u' ' || scan.at(j) == u'\t')
        ++j;
    const QChar next = scan.at(j);
    if (isIdentifierStart(next))
        return true;
    return word == u"yield" &&
           (next.isDigit() || next == u'"' || next == u'\'' || next == u'-' || next == u'!');
}

ColouredLine colourJava(QStringView line, int state) {
    LineScan scan(line);
    int i = 0;
    if (state == JavaBlockComment || state == JavaDocComment) {
        const SyntaxKind kind =
            state == JavaDocComment ? SyntaxKind::DocComment : SyntaxKind::Comment;
        i = blockCommentEnd(scan, 0, 0, kind);
        if (i < 0) {
            scan.result.endState = state;
            return scan.result;
        }
    } else if (state == JavaTextBlock) {
        i = javaTextBlock(scan, 0, 0);
        if (i < 0) {
            scan.result.endState = JavaTextBlock;
            return scan.result;
        }
    }
    while (i < scan.size()) {
        const QChar c = scan.at(i);
        if (scan.startsAt(i, u"//")) {
            scan.add(i, scan.size(), SyntaxKind::Comment);
            break;
        }
        if (scan.startsAt(i, u"/*")) {
            // "/**/" is an empty comment, not documentation.
            const bool doc = scan.at(i + 2) == u'*' && scan.at(i + 3) != u'/';
            const SyntaxKind kind = doc ? SyntaxKind::DocComment : SyntaxKind::Comment;
            i = blockCommentEnd(scan, i, i + 2, kind);
            if (i < 0) {
                scan.result.endState = doc ? JavaDocComment : JavaBlockComment;
                break;
            }
        } else if (scan.startsAt(i, u"\"\"\"")) {
            i = javaTextBlock(scan, i + 3, i);
            if (i < 0) {
                scan.result.endState = JavaTextBlock;
                break;
            }
        } else if (c == u'"') {
            i = javaQuoted(scan, i, c, SyntaxKind::String);
        } else if (c == u'\'') {
            i = javaQuoted(scan, i, c, SyntaxKind::Character);
        } else if (scan.startsAt(i, u"@interface") && !isIdentifierPart(scan.at(i + 10))) {
            scan.add(i, i + 10, SyntaxKind::Keyword);
            i += 10;
        } else if (c == u'@' && isIdentifierStart(scan.at(i + 1))) {
            int j = i + 1;
            while (isIdentifierPart(scan.at(j)) || scan.at(j) == u'.')
                ++j;
            scan.add(i, j, SyntaxKind::Annotation);
            i = j;
        } else if (c.isDigit() || (c == u'.' && scan.at(i + 1).isDigit())) {
            const int j = javaNumberEnd(scan, i);
            scan.add(i, j, SyntaxKind::Number);
            i = j;
        } else if (isIdentifierStart(c)) {
            int j = i + 1;
            while (isIdentifierPart(scan.at(j)))
                ++j;
            const QStringView word = line.sliced(i, j - i);
            const bool nonSealed =
                word == u"non" && scan.startsAt(j, u"-sealed") && !isIdentifierPart(scan.at(j + 7));
            if (nonSealed)
                j += 7;
            if (nonSealed || isOneOf(javaKeywords, word))
                scan.add(i, j, SyntaxKind::Keyword);
            else if (isOneOf(javaLiterals, word))
                scan.add(i, j, SyntaxKind::Literal);
            else if (isOneOf(javaContextualKeywords, word) && startsDeclaredPart(scan, j, word))
                scan.add(i, j, SyntaxKind::Keyword);
            i = j;
        } else {
            ++i;
        }
    }
    return scan.result;
}

} // namespace

ColouredLine ColourLine(SyntaxLanguage language, QStringView line, int startState) {
    const bool tooLong = line.size() > kColouredColumns;
    ColouredLine coloured;
    switch (language) {
    case SyntaxLanguage::Java:
        coloured =
            colourJava(line.first(std::min(line.size(), qsizetype(kColouredColumns))), startState);
        break;
    case SyntaxLanguage::Html:
        coloured = ColourHtmlLine(line.first(std::min(line.size(), qsizetype(kColouredColumns))),
                                  startState);
        break;
    case SyntaxLanguage::None:
        break;
    }
    if (tooLong)
        coloured.spans.clear();
    return coloured;
}

SyntaxLanguage ColouringLanguage(const QString& documentPath, const QString& text) {
    if (documentPath.isEmpty())
        return HasJavaSource(text) ? SyntaxLanguage::Java : SyntaxLanguage::None;
    if (documentPath.endsWith(QStringLiteral(".java"), Qt::CaseInsensitive))
        return SyntaxLanguage::Java;
    if (documentPath.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
        documentPath.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
        return SyntaxLanguage::Html;
    return SyntaxLanguage::None;
}

} // namespace orvane
