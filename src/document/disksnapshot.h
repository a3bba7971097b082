#pragma once

#include <QString>

namespace orvane {

// What the disk holds at a document's path, as the file system describes it without opening the
// file: enough to tell afterwards whether another program has changed, replaced or removed it.
struct DiskSnapshot {
    enum class Kind {
        Missing,
        File, // an ordinary file
        Folder,
        Special, // a device, a pipe or a socket: opening one could block or never end
    };

    bool recorded = false; // false: Orvane never read or wrote the file
    Kind kind = Kind::Missing;
    bool readable = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch, as finely as the file system keeps it
    quint64 fileId = 0;    // the inode, so a file replaced by another of the same size shows
    QByteArray digest;     // of the bytes Orvane read or wrote; empty when it only looked

    // The file at `path` now, links followed, without opening it.
    static DiskSnapshot Of(const QString& path);
    // The same just after Orvane read or wrote `bytes` there.
    static DiskSnapshot Of(const QString& path, const QByteArray& bytes);

    // The same description, whatever was read: what a look at the disk can tell.
    bool looksLike(const DiskSnapshot& other) const;

    friend bool operator==(const DiskSnapshot&, const DiskSnapshot&) = default;
};

// Whether the file at `path` has changed since `snapshot` was taken. A file that is gone, or a
// snapshot never recorded, has nothing to lose: false. A change within the clock's resolution
// shows only in the content, so an ordinary file of the same description is read and compared.
bool FileChangedSince(const DiskSnapshot& snapshot, const QString& path);

} // namespace orvane
