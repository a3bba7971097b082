#include "platform/programstarter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace orvane {

namespace {

// A program named by its path must be an executable file there; a bare name is looked up on the
// search path, as the process would.
bool IsStartable(const QString& program) {
    if (program.contains(u'/'))
        return QFileInfo(program).isFile() && QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

// The program is found before it starts, so a missing one is known at once without waiting on
// the user-interface thread for the process to start; a start that fails all the same is
// reported by the process's errorOccurred.
QProcess* StartProgram(const ProgramCall& call, QObject* parent) {
    if (!IsStartable(call.program))
        return nullptr;
    auto* process = new QProcess(parent);
    process->setProgram(call.program);
    process->setArguments(call.arguments);
    if (!call.workingFolder.isEmpty())
        process->setWorkingDirectory(call.workingFolder);
#ifdef Q_OS_UNIX
    // Runs in the child between fork and exec, where only async-signal-safe calls are allowed.
    process->setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    process->start();
    return process;
}

void EndProgramTree(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
#ifdef Q_OS_UNIX
    // The program still runs, so the group named by its id is its own and no one else's. An id
    // of 0 would name Orvane's own group.
    const auto id = static_cast<pid_t>(process.processId());
    if (id > 0)
        ::kill(-id, SIGKILL);
#else
    process.kill();
#endif
}

bool ProgramGroupAlive(qint64 group) {
#ifdef Q_OS_UNIX
    // No process id is given out again while a group of that id has a member.
    return group > 0 && ::kill(-static_cast<pid_t>(group), 0) == 0;
#else
    Q_UNUSED(group);
    return false;
#endif
}

void EndProgramGroup(qint64 group) {
#ifdef Q_OS_UNIX
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), SIGKILL);
#else
    Q_UNUSED(group);
#endif
}

bool StartDetachedProgram(const ProgramCall& call) {
    QProcess process;
    process.setProgram(call.program);
    process.setArguments(call.arguments);
    process.setWorkingDirectory(call.workingFolder);
    return process.startDetached();
}

} // namespace orvane
