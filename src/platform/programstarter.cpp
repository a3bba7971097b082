#include "platform/programstarter.h"

#include <QProcess>

namespace orvane {

QProcess* StartProgram(const ProgramCall& call, QObject* parent) {
    auto* process = new QProcess(parent);
    process->setProgram(call.program);
    process->setArguments(call.arguments);
    if (!call.workingFolder.isEmpty())
        process->setWorkingDirectory(call.workingFolder);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return nullptr;
    }
    return process;
}

} // namespace orvane
