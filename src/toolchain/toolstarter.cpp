#include "toolchain/toolstarter.h"

#include "app/mainframe.h"
#include "document/errorreport.h"
#include "platform/desktop.h"
#include "settings/settingsstore.h"
#include "toolchain/outputpane.h"

#include <QFileInfo>

namespace orvane {

QString LocateJdkProgram(const MainFrame& frame, JdkTool tool) {
    const QStringList candidates =
        JdkProgramCandidates(tool, frame.settings().get(SettingKey::SDKLocation));
    for (qsizetype i = 0; i + 1 < candidates.size(); ++i) {
        if (QFileInfo(candidates.at(i)).isFile())
            return candidates.at(i);
    }
    const QString name = candidates.constLast();
    const QString found = frame.desktop().findProgram(name);
    return found.isEmpty() ? name : found;
}

int StartTool(MainFrame& frame, const ToolCommand& command) {
    OutputPane& pane = ShowOutputPane(frame);
    QProcess* process =
        frame.desktop().startProgram({command.program, command.arguments, {}}, &pane);
    if (!process) {
        pane.noteFailedStart(CommandLineText(command));
        return ErrorNumber::FileNotFound;
    }
    pane.follow(*process, CommandLineText(command));
    return 0;
}

} // namespace orvane
