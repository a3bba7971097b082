#pragma once

#include "document/parsepath.h"

#include <QString>

#include <optional>

namespace orvane {

// A place in a source file named by a compiler message.
struct SourceLine {
    QString path;
    int line = 0; // counted from 1

    friend bool operator==(const SourceLine&, const SourceLine&) = default;
};

// The file and line of a compiler message "path:line: ...", or nothing for any other text.
std::optional<SourceLine> ParseCompilerMessage(const QString& text);

// The place a line of a compiler run names, when that is the compiled source or another file in
// its folder; names the compiler gives relative are read against `workingFolder`. Nothing for any
// other line, so a program's output can't open whatever file it happens to print.
std::optional<SourceLine> CompilerJumpTarget(const QString& text, const QString& compiledSource,
                                             const QString& workingFolder,
                                             PathStyle style = nativePathStyle());

// Where line `line` (counted from 1) starts in a text with CR LF line breaks; the end of the text
// when it has fewer lines.
int LineStartPosition(const QString& text, int line);

} // namespace orvane
