#pragma once

#include <QString>

namespace orvane {

// How much the Output pane keeps: the most recent lines, within a number of lines and of
// characters, so a program that never stops printing can't fill the memory.
struct OutputLimits {
    int lines = 10000;
    int characters = 1000000; // about 2 MB of text
    int lineLength = 4000;    // longer lines are broken, so even one endless line can be cut
};

// Output about to be shown, and how many lines of it are never shown.
struct FittedOutput {
    QString text;
    int droppedLines = 0;

    friend bool operator==(const FittedOutput&, const FittedOutput&) = default;
};

// Program output as a terminal shows it: CR LF ends a line like LF, a lone CR (kept) goes back
// to the start of the line, and colour and other escape sequences are gone. A CR or a sequence
// cut off at the end of a chunk waits for the next chunk.
class TerminalText {
public:
    QString feed(const QString& chunk);

private:
    QString pending_;
};

// `text` as the pane shows it after a line that already holds `column` characters: long lines
// broken, and only as much of its end as the history can hold. A CR starts the line afresh.
FittedOutput FitOutput(const QString& text, int column, const OutputLimits& limits);

// The pane's first line once older output has been dropped.
QString DroppedLinesNote(qint64 droppedLines);

} // namespace orvane
