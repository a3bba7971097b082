#include "document/disksnapshot.h"

#include "document/documentfile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

#ifdef Q_OS_UNIX
DiskSnapshot::Kind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return DiskSnapshot::Kind::File;
    if (S_ISDIR(mode))
        return DiskSnapshot::Kind::Folder;
    return DiskSnapshot::Kind::Special;
}
#endif

QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

DiskSnapshot DiskSnapshot::Of(const QString& path) {
    DiskSnapshot snapshot;
    snapshot.recorded = true;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return snapshot;
    snapshot.kind = kindOf(status.st_mode);
    snapshot.readable = ::access(name.constData(), R_OK) == 0;
    snapshot.size = static_cast<qint64>(status.st_size);
    snapshot.modifiedNs = static_cast<qint64>(status.st_mtim.tv_sec) * 1'000'000'000 +
                          static_cast<qint64>(status.st_mtim.tv_nsec);
    snapshot.fileId = static_cast<quint64>(status.st_ino);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return snapshot;
    snapshot.kind = info.isFile() ? Kind::File : info.isDir() ? Kind::Folder : Kind::Special;
    snapshot.readable = info.isReadable();
    snapshot.size = info.size();
    snapshot.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
#endif
    return snapshot;
}

DiskSnapshot DiskSnapshot::Of(const QString& path, const QByteArray& bytes) {
    DiskSnapshot snapshot = Of(path);
    snapshot.digest = digestOf(bytes);
    return snapshot;
}

bool DiskSnapshot::looksLike(const DiskSnapshot& other) const {
    return recorded == other.recorded && kind == other.kind && readable == other.readable &&
           size == other.size && modifiedNs == other.modifiedNs && fileId == other.fileId;
}

bool FileChangedSince(const DiskSnapshot& snapshot, const QString& path) {
    if (!snapshot.recorded)
        return false;
    const DiskSnapshot now = DiskSnapshot::Of(path);
    if (now.kind == DiskSnapshot::Kind::Missing)
        return false;
    if (!now.looksLike(snapshot))
        return true;
    if (snapshot.digest.isEmpty() || now.kind != DiskSnapshot::Kind::File)
        return false;
    QFile file;
    if (!OpenOrdinaryFile(file, path))
        return true;
    return digestOf(file.read(snapshot.size + 1)) != snapshot.digest;
}

} // namespace orvane
