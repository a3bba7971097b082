#include "app/helpcommands.h"

#include "app/mainframe.h"
#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

QString HelpFilePath(const QString& programFolder) {
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("orvane.hlp")));
}

void ShowHelpContents(MainFrame& frame) {
    frame.desktop().showHelp(HelpFilePath(frame.desktop().programFolder()));
}

void OpenInBrowser(MainFrame& frame, const QString& target) {
    const QUrl url =
        QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    if (!frame.desktop().openUrl(url))
        frame.desktop().showMessage({QStringLiteral("An unexpected error occurred while launching "
                                                    "Web browser."),
                                     QStringLiteral("Orvane"), MessageButtons::Ok,
                                     MessageIcon::Exclamation});
}

void OpenMakerHomePage(MainFrame& frame) {
    OpenInBrowser(frame, MakerHomePage);
}

} // namespace orvane
