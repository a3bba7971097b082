#include "app/projectsfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

QString ProjectsFolderPath(const QString& programFolder) {
    const QString separator = QDir::separator();
    QString folder = QDir::toNativeSeparators(programFolder);
    if (!folder.endsWith(separator))
        folder += separator;
    return folder + QStringLiteral("Projects") + separator;
}

QString UserProjectsFolderPath() {
    return ProjectsFolderPath(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

bool EnsureFolderExists(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const qsizetype last = native.lastIndexOf(QDir::separator());
    if (last < 0)
        return false;
    const QString folder = native.left(last + 1);
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir();
}

} // namespace orvane
