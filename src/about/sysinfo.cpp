#include "about/sysinfo.h"

#include "about/abouttexts.h"
#include "platform/desktop.h"

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QSettings>
#endif

namespace orvane {

namespace {

#ifdef Q_OS_WIN
// One value under HKEY_LOCAL_MACHINE, or empty text when the key or value cannot be read.
QString GetKeyValue(const QString& keyName, const QString& valueName) {
    const QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\") + keyName, QSettings::NativeFormat);
    return key.value(valueName).toString();
}

QString systemInformationTool(Desktop&) {
    const QString path = GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                     QStringLiteral("PATH"));
    if (!path.isEmpty())
        return path;
    const QString folder = GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                       QStringLiteral("MSINFO"));
    if (folder.isEmpty())
        return {};
    const QString program = folder + QStringLiteral("\\MSINFO32.EXE");
    return QFileInfo::exists(program) ? program : QString();
}
#else
QString systemInformationTool(Desktop& desktop) {
    for (const QString& name : SystemInformationTools()) {
        const QString path = desktop.findProgram(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}
#endif

} // namespace

void StartSysInfo(Desktop& desktop) {
    const QString tool = systemInformationTool(desktop);
    if (!tool.isEmpty() && desktop.startDetached({tool, {}, {}}))
        return;
    // No title of its own: the message box takes the program's default title.
    desktop.showMessage({SysInfoUnavailableText, QString(), MessageButtons::Ok, MessageIcon::None});
}

} // namespace orvane
