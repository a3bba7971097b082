#include "platform/programstarter.h"

#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace orvane {

QProcess* StartProgram(const ProgramCall& call, QObject* parent) {
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
    if (!process->waitForStarted()) {
        delete process;
        return nullptr;
    }
    return process;
}

void EndProgramTree(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
#ifdef Q_OS_UNIX
    // The program still runs, so the group named by its id is its own and no one else's.
    ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
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
