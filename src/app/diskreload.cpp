#include "app/diskreload.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "platform/desktop.h"

#include <QStatusBar>

namespace orvane {

namespace {

constexpr int statusShownMs = 10000;

bool askToReload(Desktop& desktop, const QString& path) {
    return desktop.showMessage({QStringLiteral("The file [") + path +
                                    QStringLiteral("] has been changed by another program. "
                                                   "Reload it and lose your changes in Orvane?"),
                                QStringLiteral("Orvane"), MessageButtons::YesNo,
                                MessageIcon::Question}) == MessageAnswer::Yes;
}

} // namespace

void FollowDiskChange(MainFrame& frame, DocumentWindow& window) {
    const QString path = window.documentPath();
    if (path.isEmpty() || !ChangedOnDisk(window.diskStamp(), path))
        return;
    if (window.isChangedSinceFileUsed() && !askToReload(frame.desktop(), path)) {
        // Asked once for this change; the text stays as the user left it.
        window.setDiskStamp(DiskStamp::Of(path));
        return;
    }
    if (ReloadDocumentFile(frame, window))
        frame.statusBar1().showMessage(QStringLiteral("Reloaded ") + path +
                                           QStringLiteral(": another program changed it."),
                                       statusShownMs);
}

} // namespace orvane
