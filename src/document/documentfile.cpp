#include "document/documentfile.h"

#include "document/fileerrors.h"

#include <QFile>
#include <QSaveFile>

namespace orvane {

int WriteDocumentFile(const QString& path, const QString& text, const TextFormat& format) {
    QSaveFile file(path);
    // A writable file in a folder the user may not write to is still saved, in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return FileErrorNumber(LastFileFailure(file, path));
    const QByteArray bytes = EncodeDocumentText(text, format);
    if (file.write(bytes) != bytes.size()) {
        const FileFailure failure = LastFileFailure(file, path);
        file.cancelWriting();
        return FileErrorNumber(failure);
    }
    if (!file.commit())
        return FileErrorNumber(LastFileFailure(file, path));
    return 0;
}

SizeResult DocumentFileSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileErrorNumber(LastFileFailure(file, path)), 0};
    return {0, file.size()};
}

ReadResult ReadDocumentFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileErrorNumber(LastFileFailure(file, path)), {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileErrorNumber(LastFileFailure(file, path)), {}};
    return {0, DecodeDocumentBytes(bytes)};
}

} // namespace orvane
