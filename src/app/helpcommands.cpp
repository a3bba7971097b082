#include "app/helpcommands.h"

#include "document/openinbrowser.h"
#include "document/workspace.h"
#include "platform/desktop.h"

namespace orvane {

void ShowHelpContents(Workspace& workspace) {
    Desktop& desktop = workspace.desktop();
    desktop.showHelp(HelpFilePath(desktop.programFolder(), ThisHostPlatform()));
}

void OpenMakerHomePage(Workspace& workspace) {
    OpenInBrowser(workspace.desktop(), MakerHomePage(workspace.desktop().programFolder()));
}

} // namespace orvane
