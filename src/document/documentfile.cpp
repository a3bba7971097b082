#include "document/documentfile.h"

#include "document/fileerrors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvane {

namespace {

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

int WriteDocumentFile(const QString& path, const QByteArray& bytes) {
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
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
