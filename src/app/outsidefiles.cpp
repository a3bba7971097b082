#include "app/outsidefiles.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace orvane {

QStringList CommandLineFiles(const QStringList& arguments, const QString& currentFolder) {
    QStringList files;
    for (const QString& argument : arguments) {
        const QUrl url(argument, QUrl::StrictMode);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        files.append(QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path)));
    }
    return files;
}

QStringList DroppedFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace orvane
