#include "insert/statementskeletons.h"

#include "document/javasource.h"

#include <initializer_list>

namespace orvane {

namespace {

struct SkeletonLine {
    int blanks;
    const char* text;
};

QString Join(std::initializer_list<SkeletonLine> lines) {
    QString text;
    for (const SkeletonLine& line : lines)
        text += QString(line.blanks, u' ') + QLatin1StringView(line.text) + QStringLiteral("\r\n");
    return text;
}

// A statement's head line and its braces around one comment line and an empty line, the shape
// every part of every skeleton but SWITCH has.
QString Part(SkeletonLine head, const char* comment) {
    return Join({head, {8, "{"}, {16, comment}, {0, ""}, {8, "}"}});
}

// Every skeleton ends with an empty line.
const QString emptyLine = QStringLiteral("\r\n");

const char* const whenTrue = "// Insert code to execute when condition is true";
const char* const executable = "// Insert executable code here";

QString TryAndCatch() {
    return Part({8, "try"}, "// Insert code to execute here") +
           Part({8, "catch (exception e)"}, "// Insert error handling code here");
}

} // namespace

QString SkeletonText(StatementKind kind) {
    switch (kind) {
    case StatementKind::If:
        return Part({8, "if (condition)"}, whenTrue) + emptyLine;
    case StatementKind::IfElse:
        return Part({8, "if (condition)"}, whenTrue) +
               Part({8, "else"}, "// Insert code to execute when condition is false") + emptyLine;
    case StatementKind::For:
        return Part({9, "for (expression)"}, executable) + emptyLine;
    case StatementKind::While:
        return Part({8, "while (expression)"}, executable) + emptyLine;
    case StatementKind::DoWhile:
        return Part({8, "do"}, executable) + Join({{8, "while (expression);"}}) + emptyLine;
    case StatementKind::Switch:
        return Join({{8, "switch (expression)"},
                     {8, "{"},
                     {16, "case value1;"},
                     {24, "// Insert code to execute for first option"},
                     {0, ""},
                     {24, "// End case execution"},
                     {24, "break;"},
                     {16, "case value2; {"},
                     {24, "// Insert code to execute for second option"},
                     {0, ""},
                     {24, "// End case execution"},
                     {24, "break;"},
                     {8, "}"}}) +
               emptyLine;
    case StatementKind::TryCatch:
        return TryAndCatch() + emptyLine;
    case StatementKind::TryCatchFinally:
        return TryAndCatch() + Part({8, "finally"}, "// Insert clean-up code here") + emptyLine;
    }
    return {};
}

InsertOutcome InsertSkeleton(StatementKind kind, const QString& documentText) {
    if (!HasJavaSource(documentText))
        return RefuseAndClose(noJavaSourceSpecified);
    return InsertText(SkeletonText(kind), false);
}

} // namespace orvane
