#pragma once

#include <QDateTime>
#include <QString>

namespace orvane {

// What the disk held at a document's path when Orvane last read or wrote it, so a later look can
// tell whether another program has changed the file since.
struct DiskStamp {
    bool recorded = false; // false: Orvane never read or wrote the file
    qint64 size = 0;
    QDateTime modified;

    // The file at `path` as it is now.
    static DiskStamp Of(const QString& path);

    bool operator==(const DiskStamp&) const = default;
};

// Whether the file at `path` differs in size or modification time from `stamp`. A file that is
// gone, or a stamp never recorded, has nothing to reload: false.
bool ChangedOnDisk(const DiskStamp& stamp, const QString& path);

} // namespace orvane
