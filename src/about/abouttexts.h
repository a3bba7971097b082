#pragma once

#include "platform/hostplatform.h"

#include <QString>
#include <QStringList>

namespace orvane {

// "Version " + the version text + " for " + the desktop the build runs on.
QString VersionLine(const QString& versionText, HostPlatform platform);

// Where no registry names the system-information tool, these are looked for on the search
// path, in this order.
QStringList SystemInformationTools();

inline const QString SysInfoUnavailableText =
    QStringLiteral("System Information Is Unavailable At This Time");

} // namespace orvane
