#include "document/disksnapshot.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

namespace orvane {

namespace {

// Snapshots are compared within one run only, and only against files changed by accident, not
// by an adversary: a fast 64-bit hash will do, where a cryptographic one cost as much as reading
// the file each time a window was activated.
QByteArray digestOf(const QByteArray& bytes) {
    return QByteArray::number(qHashBits(bytes.constData(), size_t(bytes.size())));
}

} // namespace

DiskSnapshot DiskSnapshot::Of(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    return {true, bytes.size(), info.lastModified(), digestOf(bytes)};
}

bool FileChangedSince(const DiskSnapshot& snapshot, const QString& path) {
    if (!snapshot.recorded)
        return false;
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (!info.isFile() || info.size() != snapshot.size || info.lastModified() != snapshot.modified)
        return true;
    // Same size and time: a change within the clock's resolution shows only in the content.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return digestOf(file.read(snapshot.size + 1)) != snapshot.digest;
}

} // namespace orvane
