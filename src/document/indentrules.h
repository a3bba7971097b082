#pragma once

#include "document/syntaxcolouring.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace orvane {

// How one level of indentation is written: a tab, or `width` blanks. `width` is also how many
// columns a tab takes.
struct IndentStyle {
    bool tabs = false;
    int width = 4;

    bool operator==(const IndentStyle&) const = default;
};

// One level of indentation in `style`.
QString IndentUnit(const IndentStyle& style);

// The blanks and tabs that start `line`.
QStringView LeadingBlanks(QStringView line);

// The column (from 0) that the end of `text` reaches, a tab going on to the next multiple of
// `tabWidth`.
int VisualColumn(QStringView text, int tabWidth);

// What Tab inserts at a caret in column `column`: a tab, or blanks up to the next tab stop.
QString TabInsertion(int column, const IndentStyle& style);

// The indentation of the line Enter starts after `beforeCaret`, the current line up to the
// caret, coloured as `colouring`: the same as the current line, one level more after a "{" of
// the code, and " * " lined up inside a block comment.
QString NextLineIndent(QStringView beforeCaret, const ColouredLine& colouring,
                       const IndentStyle& style);

// How many characters at the end of `indent` (all blanks and tabs) make one level, taken off
// when "}" is typed after them.
int DedentLength(QStringView indent, const IndentStyle& style);

// How many characters at the start of `line` make one level, taken off by Shift+Tab.
int OutdentLength(QStringView line, const IndentStyle& style);

// Whether `text` indents with tabs (true) or blanks (false), judged by its first indented lines;
// nothing when it has none.
std::optional<bool> IndentsWithTabs(QStringView text);

} // namespace orvane
