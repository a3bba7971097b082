#include "document/documentfile.h"

#include "document/fileerrors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <mutex>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

// Opens `path` for reading only when it is an ordinary file or a folder (whose reading fails as
// usual). The check is made on the opened handle, so a file replaced by a pipe in between can't
// block the program in open or read.
bool openForReading(QFile& file, const QString& path, bool& ordinary) {
    ordinary = true;
#ifdef Q_OS_UNIX
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly);
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ordinary = S_ISDIR(status.st_mode);
        ::close(handle);
        if (!ordinary)
            return false;
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly);
    }
    return file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

int failureNumber(const QFileDevice& file, const QString& path) {
    return FileErrorNumber(LastFileFailure(file, path));
}

// For a file whose folder takes no new files: writes over the old bytes without emptying the file
// first, and puts them back when the new ones don't all get there.
int overwriteInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failureNumber(file, path);
    const QByteArray former = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failureNumber(file, path);
    if (file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()))
        return 0;
    const int failure = failureNumber(file, path);
    file.seek(0);
    file.write(former);
    file.resize(former.size());
    return failure;
}

} // namespace

bool OpenOrdinaryFile(QFile& file, const QString& path) {
    bool ordinary = true;
    return openForReading(file, path, ordinary) && QFileInfo(path).isFile();
}

void KeepRunningPastFileSizeLimits() {
#ifdef Q_OS_UNIX
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
#endif
}

int WriteDocumentFile(const QString& path, const QByteArray& bytes) {
    KeepRunningPastFileSizeLimits();
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (QFileInfo(path).isFile())
            return overwriteInPlace(path, bytes);
        return failureNumber(file, path);
    }
    if (file.write(bytes) != bytes.size()) {
        const int failure = failureNumber(file, path);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return failureNumber(file, path);
    return 0;
}

int WriteDocumentFile(const QString& path, const QString& text, const TextFormat& format) {
    return WriteDocumentFile(path, EncodeDocumentText(text, format));
}

ReadResult ReadDocumentFile(const QString& path) {
    ReadResult result;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        result.refusal = ReadRefusal::NotOrdinaryFile;
        return result;
    }
    QFile file;
    bool ordinary = true;
    if (!openForReading(file, path, ordinary)) {
        if (!ordinary)
            result.refusal = ReadRefusal::NotOrdinaryFile;
        else
            result.error = failureNumber(file, path);
        return result;
    }
    const QByteArray bytes = file.read(LargestDocumentFile + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = failureNumber(file, path);
        return result;
    }
    if (bytes.size() > LargestDocumentFile) {
        result.refusal = ReadRefusal::TooLarge;
        return result;
    }
    result.document = DecodeDocumentBytes(bytes);
    result.disk = DiskSnapshot::Of(path, bytes);
    return result;
}

} // namespace orvane
