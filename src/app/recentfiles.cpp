#include "app/recentfiles.h"

namespace orvane {

QStringList WithRecentFile(QStringList files, const QString& path) {
    files.removeAll(path);
    files.prepend(path);
    return files.mid(0, RecentFileLimit);
}

QString NumberedItemCaption(int index, const QString& text) {
    return QStringLiteral("&%1 %2").arg(index + 1).arg(
        QString(text).replace(u'&', QStringLiteral("&&")));
}

} // namespace orvane
