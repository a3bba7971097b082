#pragma once

#include <QStringView>

namespace orvane {

// The characters of a line a marker underlines, counted from 0, `end` not included.
struct MarkedSpan {
    int start = 0;
    int end = 0;

    friend bool operator==(const MarkedSpan&, const MarkedSpan&) = default;
};

// What a diagnostic at `column` (counted from 1) of `line` marks: up to `endColumn` when the
// compiler gave one on this line, else the Java token that starts there. A caret after the end
// of the line or on blanks (javac's "';' expected" points just past the token before) marks the
// token before it. Empty only for a blank line.
MarkedSpan DiagnosticSpan(QStringView line, int column, int endColumn = 0);

} // namespace orvane
