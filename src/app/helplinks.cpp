#include "app/helplinks.h"

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

} // namespace orvane
