#include "about/aboutcommand.h"

#include "about/aboutdialog.h"
#include "about/abouttexts.h"
#include "about/versiontext.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <QWidget>

namespace orvane {

void ShowAboutBox(Workspace& workspace) {
    // The frame owns a started tool, so closing the box leaves the tool running.
    QWidget& frame = workspace.dialogParent();
    AboutDialog dialog(workspace.desktop(), VersionLine(ProgramVersionText(), ThisHostPlatform()),
                       frame.windowIcon(), &frame);
    workspace.desktop().runModal(dialog);
}

} // namespace orvane
