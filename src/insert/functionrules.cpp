#include "insert/functionrules.h"

#include "document/javasource.h"
#include "document/typedtext.h"

namespace orvane {

QString BuildMethodText(Scope scope, JavaType returnType, const QString& name) {
    const QString scopeWord =
        scope == Scope::Public ? QStringLiteral("public ") : QStringLiteral("private ");
    return QStringLiteral("\r\n     ") + scopeWord + JavaKeyword(returnType) + u' ' + name +
           QStringLiteral("()\r\n"
                          "     {\r\n"
                          "        // Include function code here\r\n"
                          "\r\n"
                          "     }\r\n");
}

InsertOutcome InsertFunction(const QString& nameText, std::optional<JavaType> returnType,
                             std::optional<Scope> scope, const QString& documentText,
                             bool keepOpen) {
    if (!HasJavaSource(documentText))
        return RefuseAndClose(noJavaSourceSpecified);
    if (nameText.isEmpty())
        return RefuseAndStay(QStringLiteral("Function does not have a specified name."));
    if (!returnType)
        return RefuseAndStay(QStringLiteral("Function does not have a specified data type."));
    if (!scope)
        return RefuseAndStay(QStringLiteral("Function does not have a specified scope."));
    return InsertText(BuildMethodText(*scope, *returnType, TrimBlanks(nameText)), keepOpen);
}

} // namespace orvane
