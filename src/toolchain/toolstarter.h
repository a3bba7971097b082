#pragma once

#include "toolchain/jdktools.h"

namespace orvane {

class Workspace;

// The program to start for `tool`: at, or beside, the compiler location chosen in Options when
// such a file exists, else the program found on the search path.
QString LocateJdkProgram(const Workspace& workspace, JdkTool tool);

// Starts `command` without waiting for it and follows it in the Output pane. 0 when it started,
// else the file-not-found run-time error.
int StartTool(Workspace& workspace, const ToolCommand& command);

} // namespace orvane
