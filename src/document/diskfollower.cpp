#include "document/diskfollower.h"

#include "document/disksnapshot.h"
#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QWidget>

namespace orvane {

namespace {

const QString orvaneTitle = QStringLiteral("Orvane");

void tell(Desktop& desktop, const QString& text) {
    desktop.showMessage({text, orvaneTitle, MessageButtons::Ok, MessageIcon::Information});
}

// Yes throws the window's text away, so Enter or a stray key must not give it.
bool askToReload(Desktop& desktop, const QString& path) {
    return desktop.showMessage({QStringLiteral("The file [") + path +
                                    QStringLiteral("] has been changed by another program. "
                                                   "Reload it and lose your changes in Orvane?"),
                                orvaneTitle, MessageButtons::YesNo, MessageIcon::Question,
                                MessageAnswer::No}) == MessageAnswer::Yes;
}

// Why the file at `path`, as it is now, can't be read into its window; empty when it can.
QString refusal(const DiskSnapshot& disk, const QString& path) {
    const QString file = QStringLiteral("The file [") + path + u']';
    const QString kept = QStringLiteral(" Orvane keeps the text of its window.");
    switch (disk.kind) {
    case DiskSnapshot::Kind::Folder:
        return file + QStringLiteral(" has been replaced by a folder.") + kept;
    case DiskSnapshot::Kind::Special:
        return file + QStringLiteral(" has been replaced by a device, a pipe or a socket.") + kept;
    case DiskSnapshot::Kind::Missing:
    case DiskSnapshot::Kind::File:
        break;
    }
    if (disk.size > LargestDocumentFile)
        return file + QStringLiteral(" is too large to open.");
    if (!disk.readable)
        return file + QStringLiteral(" can no longer be read.") + kept;
    return {};
}

} // namespace

DiskFollower::DiskFollower(Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace) {
    // A file replaced by renaming another over it leaves the watcher; its folder still tells.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DiskFollower::requestCheck);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DiskFollower::requestCheck);
}

void DiskFollower::follow(DocumentWindow& window) {
    connect(&window, &DocumentWindow::documentPathChanged, this, &DiskFollower::rewatch);
    connect(&window, &DocumentWindow::fileWritten, this,
            [this, &window](const QString& path) { written_.insert(path, window.diskSnapshot()); });
    connect(&window, &QObject::destroyed, this, &DiskFollower::rewatch, Qt::QueuedConnection);
    rewatch();
}

// The files of the open documents that exist now, and the folders they are in.
void DiskFollower::rewatch() {
    QSet<QString> wanted;
    for (const DocumentWindow* window : workspace_.documentWindows()) {
        const QString path = window->documentPath();
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (info.exists())
            wanted.insert(info.absoluteFilePath());
        if (info.absoluteDir().exists())
            wanted.insert(info.absolutePath());
    }
    QStringList gone;
    for (const QString& path : watcher_.files() + watcher_.directories()) {
        if (!wanted.remove(path))
            gone << path;
    }
    if (!gone.isEmpty())
        watcher_.removePaths(gone);
    if (!wanted.isEmpty())
        watcher_.addPaths(QStringList(wanted.cbegin(), wanted.cend()));
}

void DiskFollower::requestCheck() {
    if (pending_ || checking_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &DiskFollower::check, Qt::QueuedConnection);
}

// While a box or dialog is up the user is busy with it; the frame's next activation asks again.
bool DiskFollower::mayCheck() const {
    return !QApplication::activeModalWidget() && workspace_.dialogParent().isActiveWindow();
}

void DiskFollower::check() {
    pending_ = false;
    if (!mayCheck())
        return;
    checking_ = true;
    rewatch();
    for (DocumentWindow* window : workspace_.documentWindows())
        checkWindow(*window);
    // Requests made while the boxes were up (their own closing among them) are answered already.
    checking_ = false;
}

void DiskFollower::checkWindow(DocumentWindow& window) {
    const QString path = window.documentPath();
    const DiskSnapshot& known = window.diskSnapshot();
    if (path.isEmpty() || !known.recorded)
        return;
    const DiskSnapshot now = DiskSnapshot::Of(path);
    if (now.looksLike(known) || now.looksLike(window.settledDisk()))
        return;
    window.settleDisk(now);
    Desktop& desktop = workspace_.desktop();
    if (now.kind == DiskSnapshot::Kind::Missing) {
        window.markDiffersFromDisk();
        workspace_.showStatusMessage(QStringLiteral("The file ") + path +
                                     QStringLiteral(" was removed; saving writes it again."));
        return;
    }
    if (const QString reason = refusal(now, path); !reason.isEmpty()) {
        window.markDiffersFromDisk();
        tell(desktop, reason);
        return;
    }
    // Text Orvane wrote from another window is the user's too: asked about, never dropped.
    const bool quietly = window.isUnchanged() && !written_.value(path).looksLike(now);
    if (!quietly && !askToReload(desktop, path)) {
        window.markDiffersFromDisk();
        return;
    }
    if (!ReloadDocumentFile(workspace_, window)) {
        window.markDiffersFromDisk();
        return;
    }
    if (quietly)
        workspace_.showStatusMessage(QStringLiteral("Reloaded ") + path +
                                     QStringLiteral(": another program changed it."));
}

} // namespace orvane
