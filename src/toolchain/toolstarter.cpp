#include "toolchain/toolstarter.h"

#include "document/errorreport.h"
#include "document/programoutput.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/settingsstore.h"

#include <QFileInfo>

namespace orvane {

QString LocateJdkProgram(const Workspace& workspace, JdkTool tool) {
    const QStringList candidates =
        JdkProgramCandidates(tool, workspace.settings().get(SettingKey::SDKLocation));
    for (qsizetype i = 0; i + 1 < candidates.size(); ++i) {
        if (QFileInfo(candidates.at(i)).isFile())
            return candidates.at(i);
    }
    const QString name = candidates.constLast();
    const QString found = workspace.desktop().findProgram(name);
    return found.isEmpty() ? name : found;
}

int StartTool(Workspace& workspace, const ToolCommand& command) {
    ProgramOutput& pane = workspace.programOutput();
    QProcess* process = workspace.desktop().startProgram({command.program, command.arguments, {}},
                                                         &pane.programOwner());
    if (!process) {
        pane.noteFailedStart(CommandLineText(command));
        return ErrorNumber::FileNotFound;
    }
    pane.follow(*process, CommandLineText(command));
    return 0;
}

} // namespace orvane
