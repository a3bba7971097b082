#include "app/helpcommands.h"

#include "app/mainframe.h"
#include "platform/desktop.h"

namespace orvane {

void ShowHelpContents(MainFrame& frame) {
    Desktop& desktop = frame.desktop();
    desktop.showHelp(HelpFilePath(desktop.programFolder(), ThisHostPlatform()));
}

void OpenInBrowser(MainFrame& frame, const QString& target) {
    if (!frame.desktop().openUrl(BrowserUrl(target)))
        frame.desktop().showMessage({QStringLiteral("An unexpected error occurred while launching "
                                                    "Web browser."),
                                     QStringLiteral("Orvane"), MessageButtons::Ok,
                                     MessageIcon::Exclamation});
}

void OpenMakerHomePage(MainFrame& frame) {
    OpenInBrowser(frame, MakerHomePage(frame.desktop().programFolder()));
}

} // namespace orvane
