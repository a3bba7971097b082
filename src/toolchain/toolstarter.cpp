#include "toolchain/toolstarter.h"

#include "document/errorreport.h"
#include "document/programoutput.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <memory>

namespace orvane {

namespace {

// Looks for `line` in the program's standard output before the pane reads it; the pane still
// reads and shows all of it.
void WatchOutput(QProcess& process, const QByteArray& line, const std::shared_ptr<bool>& seen) {
    auto tail = std::make_shared<QByteArray>();
    const auto look = [&process, line, seen, tail] {
        const QByteArray text = *tail + process.peek(process.bytesAvailable());
        *seen = *seen || text.contains(line);
        *tail = text.right(line.size());
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, look);
    QObject::connect(&process, &QProcess::finished, &process, look);
}

} // namespace

QString ChosenCompiler(const Workspace& workspace) {
    QString location = workspace.settings().get(SettingKey::SDKLocation).trimmed();
    if (location.isEmpty() || location == readerDefault(SettingKey::SDKLocation))
        return {};
    if (!QFileInfo(location).isDir())
        return location;
    const QDir folder(location);
    const QString name = JdkProgramName(JdkTool::Compiler);
    const QString inFolder = folder.filePath(name);
    const QString inBin = folder.filePath(QStringLiteral("bin/") + name);
    return QDir::toNativeSeparators(QFileInfo(inFolder).isFile() ? inFolder : inBin);
}

QString FindJdkProgram(const Workspace& workspace, JdkTool tool) {
    const QStringList candidates = JdkProgramCandidates(tool, ChosenCompiler(workspace));
    for (qsizetype i = 0; i + 1 < candidates.size(); ++i) {
        if (QFileInfo(candidates.at(i)).isFile())
            return candidates.at(i);
    }
    return workspace.desktop().findProgram(candidates.constLast());
}

QString LocateJdkProgram(const Workspace& workspace, JdkTool tool) {
    const QString found = FindJdkProgram(workspace, tool);
    return found.isEmpty() ? JdkProgramName(tool) : found;
}

int StartTool(Workspace& workspace, const ToolCommand& command, const ToolRun& run) {
    ProgramOutput& pane = workspace.programOutput();
    const QString header =
        run.note.isEmpty() ? CommandLineText(command) : run.note + u'\n' + CommandLineText(command);
    QProcess* process = workspace.desktop().startProgram({command.program, command.arguments, {}},
                                                         &pane.programOwner());
    if (!process) {
        pane.noteFailedStart(header);
        return ErrorNumber::FileNotFound;
    }
    // The connection's copy keeps what the program needs alive until the process is gone.
    if (run.keptWhileRunning)
        QObject::connect(process, &QObject::destroyed, [kept = run.keptWhileRunning] {});
    auto seen = std::make_shared<bool>(false);
    if (run.whenEnded)
        WatchOutput(*process, run.watchedLine, seen);
    if (run.compiledSource.isEmpty())
        pane.follow(*process, header);
    else
        pane.followCompiler(*process, header, run.compiledSource, run.whenCompiled);
    // Connected after the pane, so what the user is told comes after the run's end line; and
    // queued, so a box it shows runs its own event loop outside the process's signal.
    if (run.whenEnded)
        QObject::connect(process, &QProcess::finished, process, [whenEnded = run.whenEnded, seen] {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [whenEnded, seen] { whenEnded(*seen); },
                Qt::QueuedConnection);
        });
    return 0;
}

} // namespace orvane
