#include "insert/variablerules.h"

#include "document/javasource.h"
#include "document/typedtext.h"

namespace orvane {

QString JavaKeyword(JavaType type) {
    switch (type) {
    case JavaType::Void:
        return QStringLiteral("void");
    case JavaType::Int:
        return QStringLiteral("int");
    case JavaType::Long:
        return QStringLiteral("long");
    case JavaType::Double:
        return QStringLiteral("double");
    case JavaType::Float:
        return QStringLiteral("float");
    case JavaType::Short:
        return QStringLiteral("short");
    case JavaType::Char:
        return QStringLiteral("char");
    case JavaType::Boolean:
        return QStringLiteral("boolean");
    }
    return {};
}

QString CleanVariableName(const QString& text) {
    return RemoveNameBlanks(text);
}

QString BuildVariableDeclaration(JavaType type, const QString& name) {
    return QStringLiteral("        ") + JavaKeyword(type) + u' ' + name + QStringLiteral(";\r\n");
}

InsertOutcome InsertVariable(const QString& name, JavaType type, const QString& documentText,
                             bool keepOpen) {
    const QString trimmed = TrimBlanks(name);
    if (trimmed.isEmpty())
        return RefuseAndStay(QStringLiteral("Variable does not have a specified name."));
    if (!HasJavaSource(documentText))
        return RefuseAndClose(noJavaSourceSpecified);
    return InsertText(BuildVariableDeclaration(type, trimmed), keepOpen);
}

} // namespace orvane
