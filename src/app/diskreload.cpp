#include "app/diskreload.h"

#include "app/mainframe.h"
#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "platform/desktop.h"

#include <QFile>
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

// The file as it is now, to recognise this very change later.
DiskSnapshot snapshotNow(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DiskSnapshot::Of(path, file.read(LargestDocumentFile + 1));
}

} // namespace

void FollowDiskChange(MainFrame& frame, DocumentWindow& window) {
    const QString path = window.documentPath();
    if (path.isEmpty() || !FileChangedSince(window.diskSnapshot(), path))
        return;
    const DiskSnapshot kept = window.keptOverDisk();
    if (kept.recorded && !FileChangedSince(kept, path))
        return;
    if (!window.isUnchanged() && !askToReload(frame.desktop(), path)) {
        window.keepOverDisk(snapshotNow(path));
        return;
    }
    if (!ReloadDocumentFile(frame, window)) {
        // Refused (grown too large, say) or failed, and said so once: the text stays.
        window.keepOverDisk(snapshotNow(path));
        return;
    }
    frame.statusBar1().showMessage(QStringLiteral("Reloaded ") + path +
                                       QStringLiteral(": another program changed it."),
                                   statusShownMs);
}

} // namespace orvane
