#pragma once

#include "insert/insertoutcome.h"

#include <QString>

namespace orvane {

enum class StatementKind { If, IfElse, For, While, DoWhile, Switch, TryCatch, TryCatchFinally };

// The fixed skeleton of `kind`: indented with blanks, every line ending in CR LF, the last one
// empty.
QString SkeletonText(StatementKind kind);

// Insert > Statement...: the skeleton to put in place of the selection, or the refusal when
// `documentText` holds no Java source.
InsertOutcome InsertSkeleton(StatementKind kind, const QString& documentText);

} // namespace orvane
