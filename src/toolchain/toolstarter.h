#pragma once

#include "toolchain/jdktools.h"

#include <functional>
#include <memory>

namespace orvane {

class Workspace;

// The compiler chosen in Options: the file chosen, or the javac of a JDK folder or of its bin
// folder chosen instead; empty when none was chosen.
QString ChosenCompiler(const Workspace& workspace);

// The program to start for `tool`: at, or beside, the compiler location chosen in Options when
// such a file exists, else the program found on the search path; empty text when neither has it.
QString FindJdkProgram(const Workspace& workspace, JdkTool tool);
// As FindJdkProgram, but the plain program name when it is nowhere to be found.
QString LocateJdkProgram(const Workspace& workspace, JdkTool tool);

// How a started program is shown and followed.
struct ToolRun {
    QString note{};           // a line above the command line: what the program does for the user
    QString compiledSource{}; // for a compiler run: the source whose folder its messages lead to
    // A line the program may print, and who hears, after the pane's end line, whether it did.
    QByteArray watchedLine{};
    std::function<void(bool watchedLineSeen)> whenEnded{};
    std::shared_ptr<const void> keptWhileRunning{}; // what the program needs, a file say
    // For a compiler run: hears what the compiler printed once it has ended.
    std::function<void(const QString& output, const QString& workingFolder)> whenCompiled{};
};

// Starts `command` without waiting for it and follows it in the Output pane. 0 when it started,
// else the file-not-found run-time error.
int StartTool(Workspace& workspace, const ToolCommand& command, const ToolRun& run = {});

} // namespace orvane
