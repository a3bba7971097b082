#include "about/aboutcommand.h"

#include "about/aboutdialog.h"
#include "about/abouttexts.h"
#include "app/mainframe.h"
#include "app/versiontext.h"
#include "platform/desktop.h"

namespace orvane {

void ShowAboutBox(MainFrame& frame) {
    // The frame owns a started tool, so closing the box leaves the tool running.
    AboutDialog dialog(frame.desktop(), VersionLine(ProgramVersionText(), ThisHostPlatform()),
                       &frame);
    frame.desktop().runModal(dialog);
}

} // namespace orvane
