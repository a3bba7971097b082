#include "insert/statementskeletons.h"

#include "insert/javasource.h"

#include <initializer_list>

namespace orvane {

namespace {

struct SkeletonLine {
    int blanks;
    const char* text;
};

const SkeletonLine emptyLine{0, ""};

QString Join(std::initializer_list<SkeletonLine> lines) {
    QString text;
    for (const SkeletonLine& line : lines)
        text += QString(line.blanks, u' ') + QLatin1StringView(line.text) + QStringLiteral("\r\n");
    return text;
}

} // namespace

QString SkeletonText(StatementKind kind) {
    switch (kind) {
    case StatementKind::If:
        return Join({{8, "if (condition)"},
                     {8, "{"},
                     {16, "// Insert code to execute when condition is true"},
                     emptyLine,
                     {8, "}"},
                     emptyLine});
    case StatementKind::IfElse:
        return Join({{8, "if (condition)"},
                     {8, "{"},
                     {16, "// Insert code to execute when condition is true"},
                     emptyLine,
                     {8, "}"},
                     {8, "else"},
                     {8, "{"},
                     {16, "// Insert code to execute when condition is false"},
                     emptyLine,
                     {8, "}"},
                     emptyLine});
    case StatementKind::For:
        return Join({{9, "for (expression)"},
                     {8, "{"},
                     {16, "// Insert executable code here"},
                     emptyLine,
                     {8, "}"},
                     emptyLine});
    case StatementKind::While:
        return Join({{8, "while (expression)"},
                     {8, "{"},
                     {16, "// Insert executable code here"},
                     emptyLine,
                     {8, "}"},
                     emptyLine});
    case StatementKind::DoWhile:
        return Join({{8, "do"},
                     {8, "{"},
                     {16, "// Insert executable code here"},
                     emptyLine,
                     {8, "}"},
                     {8, "while (expression);"},
                     emptyLine});
    case StatementKind::Switch:
        return Join({{8, "switch (expression)"},
                     {8, "{"},
                     {16, "case value1;"},
                     {24, "// Insert code to execute for first option"},
                     emptyLine,
                     {24, "// End case execution"},
                     {24, "break;"},
                     {16, "case value2; {"},
                     {24, "// Insert code to execute for second option"},
                     emptyLine,
                     {24, "// End case execution"},
                     {24, "break;"},
                     {8, "}"},
                     emptyLine});
    case StatementKind::TryCatch:
        return Join({{8, "try"},
                     {8, "{"},
                     {16, "// Insert code to execute here"},
                     emptyLine,
                     {8, "}"},
                     {8, "catch (exception e)"},
                     {8, "{"},
                     {16, "// Insert error handling code here"},
                     emptyLine,
                     {8, "}"},
                     emptyLine});
    case StatementKind::TryCatchFinally:
        return Join({{8, "try"},
                     {8, "{"},
                     {16, "// Insert code to execute here"},
                     emptyLine,
                     {8, "}"},
                     {8, "catch (exception e)"},
                     {8, "{"},
                     {16, "// Insert error handling code here"},
                     emptyLine,
                     {8, "}"},
                     {8, "finally"},
                     {8, "{"},
                     {16, "// Insert clean-up code here"},
                     emptyLine,
                     {8, "}"},
                     emptyLine});
    }
    return {};
}

InsertOutcome InsertSkeleton(StatementKind kind, const QString& documentText) {
    if (!HasJavaSource(documentText))
        return RefuseAndClose(noJavaSourceSpecified);
    return InsertText(SkeletonText(kind), false);
}

} // namespace orvane
