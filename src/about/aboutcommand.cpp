#include "about/aboutcommand.h"

#include "about/aboutdialog.h"
#include "about/abouttexts.h"
#include "about/versiontext.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <QWidget>

namespace orvane {

void ShowAboutBox(Workspace& workspace) {
    AboutDialog dialog(workspace.desktop(), VersionLine(ProgramVersionText(), ThisHostPlatform()),
                       workspace.dialogParent().windowIcon());
    workspace.desktop().runModal(dialog);
}

} // namespace orvane
