#pragma once

#include <QList>
#include <QString>

namespace orvane {

enum class DiagnosticKind { Error, Warning, Note };

// One message of the compiler about a place in a source.
struct CompilerDiagnostic {
    QString path;
    int line = 0;      // counted from 1
    int column = 0;    // counted from 1; 0 when the compiler showed no caret
    int endColumn = 0; // the column after the marked text; 0 when the compiler gave none
    DiagnosticKind kind = DiagnosticKind::Error;
    QString message; // the first line, then the detail lines under the caret

    friend bool operator==(const CompilerDiagnostic&, const CompilerDiagnostic&) = default;
};

// The diagnostics that javac printed: each "path:line: error|warning|Note: text" with the source
// line and caret line that follow it (the caret's place gives the column; a tab in the source
// stands as a tab before the caret) and the indented detail lines after them. Messages without a
// place (the summary counts, "Note: Recompile with ...") are left out.
QList<CompilerDiagnostic> ParseJavacOutput(const QString& output);

} // namespace orvane
