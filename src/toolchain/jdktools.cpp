#include "toolchain/jdktools.h"

namespace orvane {

namespace {

// What the store holds until a location has been chosen.
const QString unknownLocation = QStringLiteral("Unknown location");

QString baseName(JdkTool tool) {
    switch (tool) {
    case JdkTool::Compiler:
        return QStringLiteral("javac");
    case JdkTool::AppletViewer:
        return QStringLiteral("appletviewer");
    case JdkTool::Interpreter:
        break;
    }
    return QStringLiteral("java");
}

QString quoted(const QString& argument) {
    if (!argument.isEmpty() && !argument.contains(u' ') && !argument.contains(u'\t'))
        return argument;
    return u'"' + argument + u'"';
}

} // namespace

QString JdkProgramName(JdkTool tool, PathStyle style) {
    return baseName(tool) + (style == PathStyle::Windows ? QStringLiteral(".exe") : QString());
}

QStringList JdkProgramCandidates(JdkTool tool, const QString& compilerLocation, PathStyle style) {
    const QString name = JdkProgramName(tool, style);
    const QString location = compilerLocation.trimmed();
    if (location.isEmpty() || location == unknownLocation)
        return {name};
    const QString candidate =
        tool == JdkTool::Compiler ? location : ParsePath(location, 3, style) + name;
    if (candidate == name)
        return {name};
    return {candidate, name};
}

QString CommandLineText(const ToolCommand& command) {
    QStringList words{quoted(command.program)};
    for (const QString& argument : command.arguments)
        words.append(quoted(argument));
    return words.join(u' ');
}

} // namespace orvane
