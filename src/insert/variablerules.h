#pragma once

#include "insert/insertoutcome.h"

#include <QString>

namespace orvane {

// The types the Insert Variable and Insert Function dialogs offer; void only as a return type.
enum class JavaType { Void, Int, Long, Double, Float, Short, Char, Boolean };

QString JavaKeyword(JavaType type);

// The name box's clean-up when it loses the focus: removes the first 15 blanks it finds, so a
// longer run of blanks needs another loss of focus. Tabs stay.
QString CleanVariableName(const QString& text);

// Eight blanks, the type, the already trimmed name, ";" and CR LF.
QString BuildVariableDeclaration(JavaType type, const QString& name);

// Insert Variable's "&Ok": a name is needed first, then a Java document; otherwise the
// declaration to put in place of the selection.
InsertOutcome InsertVariable(const QString& name, JavaType type, const QString& documentText,
                             bool keepOpen);

} // namespace orvane
