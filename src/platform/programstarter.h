#pragma once

#include "platform/desktop.h"

namespace orvane {

// Starts a program without a shell and returns its running process, owned by `parent`,
// or nullptr when it could not be started. Never waits for the program to finish. Where the
// system allows, the program leads a process group of its own, so that everything it starts
// can be ended with it.
QProcess* StartProgram(const ProgramCall& call, QObject* parent);

// Ends a program StartProgram started, and the programs it started in turn, at once.
void EndProgramTree(QProcess& process);

// Whether a program of the process group `group` (the id of the program that led it) still
// runs, after that program ended; always false where the system has no process groups.
bool ProgramGroupAlive(qint64 group);

// Ends every program of the process group `group` at once.
void EndProgramGroup(qint64 group);

// Starts a program that lives on by itself, also after Orvane ends. False when it could not be
// started.
bool StartDetachedProgram(const ProgramCall& call);

} // namespace orvane
