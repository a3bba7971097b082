#pragma once

#include "platform/desktop.h"

namespace orvane {

// Starts a program without a shell and returns its running process, owned by `parent`,
// or nullptr when it could not be started. Never waits for the program to finish.
QProcess* StartProgram(const ProgramCall& call, QObject* parent);

} // namespace orvane
