#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace orvane {

enum class SyntaxLanguage { None, Java, Html };

enum class SyntaxKind {
    Keyword,
    Literal,
    String,
    Character,
    Escape,
    Number,
    Annotation,
    Comment,
    DocComment,
    Tag,
    Attribute,
    Value,
    HtmlComment,
    Entity,
};

// Characters [start, start + length) of one line are of `kind`. An escape lies inside the string
// or character span listed before it and is drawn over it.
struct SyntaxSpan {
    int start = 0;
    int length = 0;
    SyntaxKind kind = SyntaxKind::Keyword;

    bool operator==(const SyntaxSpan&) const = default;
};

struct ColouredLine {
    QList<SyntaxSpan> spans;
    // What the next line starts inside (a block comment, an HTML tag, ...); 0 for plain text.
    int endState = 0;
};

// A line longer than this (minified pages, generated code) is left plain, so typing on it costs
// what typing plain text does.
inline constexpr int kColouredColumns = 4000;

// The spans of one line, which starts in `startState`: the previous line's endState, 0 for the
// first line. Lines never hold line breaks. A line longer than kColouredColumns has no spans;
// its end state is the one its first kColouredColumns characters reach.
ColouredLine ColourLine(SyntaxLanguage language, QStringView line, int startState);

// Java for .java files, HTML for .html and .htm; a document with no file is Java when it holds
// Java source, else plain.
SyntaxLanguage ColouringLanguage(const QString& documentPath, const QString& text);

} // namespace orvane
