#include "toolchain/toolstarter.h"

#include "document/errorreport.h"
#include "document/programoutput.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/settingsstore.h"

#include <QFileInfo>
#include <QProcess>

namespace orvane {

QString FindJdkProgram(const Workspace& workspace, JdkTool tool) {
    const QStringList candidates =
        JdkProgramCandidates(tool, workspace.settings().get(SettingKey::SDKLocation));
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
    if (run.whenEnded)
        QObject::connect(process, &QProcess::finished, process,
                         [whenEnded = run.whenEnded](int exitCode, QProcess::ExitStatus status) {
                             if (status == QProcess::NormalExit)
                                 whenEnded(exitCode);
                         });
    if (run.compiledSource.isEmpty())
        pane.follow(*process, header);
    else
        pane.followCompiler(*process, header, run.compiledSource, run.whenCompiled);
    return 0;
}

} // namespace orvane
