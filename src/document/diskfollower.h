#pragma once

#include "document/disksnapshot.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>

namespace orvane {

class DocumentWindow;
class Workspace;

// Follows the files of the open documents on disk. Changes are collected as they come and checked
// later, from a queued call, once the frame is the active window and no modal box is up. The file
// system is only asked for a file's description, never made to open anything but an ordinary
// file, and each state of a file on disk is brought up once: an unchanged document is read again
// quietly; a changed one, or one whose file another Orvane window wrote, asks first; a file that
// can't be read any more is said so once, and the window keeps its text as changed.
class DiskFollower final : public QObject {
    Q_OBJECT
public:
    explicit DiskFollower(Workspace& workspace, QObject* parent = nullptr);

    // Starts following `window`'s file, and whichever file it stands for later.
    void follow(DocumentWindow& window);
    // Asks for a check soon; the requests made until it runs are one check.
    void requestCheck();

private:
    void rewatch();
    void check();
    bool mayCheck() const;
    void checkWindow(DocumentWindow& window);

    Workspace& workspace_;
    QFileSystemWatcher watcher_;
    // What each file looked like just after Orvane itself last wrote it, from any window.
    QHash<QString, DiskSnapshot> written_;
    bool pending_ = false;
    bool checking_ = false;
};

} // namespace orvane
