#include "app/helplinks.h"

#include <QDir>
#include <QUrl>

namespace orvane {

namespace {

const QString helpFileName = QStringLiteral("orvane.hlp");

} // namespace

QString HelpFilePath(const QString& programFolder, HostPlatform platform) {
    if (platform != HostPlatform::Windows) {
        QString folder = programFolder;
        if (!folder.endsWith(u'/'))
            folder += u'/';
        return folder + helpFileName;
    }
    QString folder = programFolder;
    folder.replace(u'/', u'\\');
    if (!folder.endsWith(u'\\'))
        folder += u'\\';
    return (folder + helpFileName).toUpper();
}

QString MakerHomePage(const QString& programFolder, const QString& setting) {
    // A drive letter is no scheme, as in BrowserUrl.
    if (QUrl(setting, QUrl::StrictMode).scheme().size() > 1)
        return setting;
    return QDir(programFolder).filePath(setting);
}

} // namespace orvane
