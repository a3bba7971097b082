#include "about/abouttexts.h"

namespace orvane {

namespace {

QString platformName(HostPlatform platform) {
    switch (platform) {
    case HostPlatform::Windows:
        return QStringLiteral("Microsoft Windows 95/98/ME/NT/2000");
    case HostPlatform::MacOS:
        return QStringLiteral("macOS");
    case HostPlatform::Linux:
        return QStringLiteral("Linux");
    case HostPlatform::OtherUnix:
        break;
    }
    return QStringLiteral("Unix");
}

} // namespace

QString VersionLine(const QString& versionText, HostPlatform platform) {
    return QStringLiteral("Version ") + versionText + QStringLiteral(" for ") +
           platformName(platform);
}

QStringList SystemInformationTools() {
    return {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("plasma-systemmonitor"), QStringLiteral("xfce4-taskmanager")};
}

} // namespace orvane
