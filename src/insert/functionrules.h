#pragma once

#include "insert/insertoutcome.h"
#include "insert/variablerules.h"

#include <QString>

#include <optional>

namespace orvane {

enum class Scope { Public, Private };

// A method skeleton: a line break, then header, braces and one comment line, indented with
// blanks, each line ending in CR LF.
QString BuildMethodText(Scope scope, JavaType returnType, const QString& name);

// Insert Function's "&Ok": a Java document first, then the name box as typed (not trimmed), a
// return type and a scope; otherwise the method text to put after the selection.
InsertOutcome InsertFunction(const QString& nameText, std::optional<JavaType> returnType,
                             std::optional<Scope> scope, const QString& documentText,
                             bool keepOpen);

} // namespace orvane
