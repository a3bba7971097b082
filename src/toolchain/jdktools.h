#pragma once

#include "document/parsepath.h"

#include <QString>
#include <QStringList>

namespace orvane {

// The development kit's programs that Orvane starts.
enum class JdkTool { Compiler, AppletViewer, Interpreter };

// One program to start: the program itself and its arguments, each passed as it stands.
struct ToolCommand {
    QString program;
    QStringList arguments;

    friend bool operator==(const ToolCommand&, const ToolCommand&) = default;
};

// "javac", "appletviewer", "java"; with ".exe" on Windows.
QString JdkProgramName(JdkTool tool, PathStyle style = nativePathStyle());

// Where to look for `tool`, best first, given the compiler location the user chose. Every entry
// but the last is a full path, used when such a file exists; the last is the plain program name,
// found on the search path. The other tools are looked for first beside the chosen compiler.
QStringList JdkProgramCandidates(JdkTool tool, const QString& compilerLocation,
                                 PathStyle style = nativePathStyle());

// The command as a user would type it, arguments with blanks in quotation marks.
QString CommandLineText(const ToolCommand& command);

} // namespace orvane
