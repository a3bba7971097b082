#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace orvane {

// What the disk held at a document's path when Orvane last read or wrote it: enough to tell
// afterwards whether another program has changed the file since.
struct DiskSnapshot {
    bool recorded = false; // false: Orvane never read or wrote the file
    qint64 size = 0;
    QDateTime modified;
    QByteArray digest; // of the bytes

    // The file at `path` just after Orvane read or wrote `bytes` there.
    static DiskSnapshot Of(const QString& path, const QByteArray& bytes);

    friend bool operator==(const DiskSnapshot&, const DiskSnapshot&) = default;
};

// Whether the file at `path` has changed in size, modification time or content since `snapshot`
// was taken. A file that is gone, or a snapshot never recorded, has nothing to lose: false.
bool FileChangedSince(const DiskSnapshot& snapshot, const QString& path);

} // namespace orvane
