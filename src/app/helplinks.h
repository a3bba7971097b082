#pragma once

#include "platform/hostplatform.h"

#include <QString>

namespace orvane {

// The maker's home page, opened by every web item of the Help menus.
inline const QString MakerHomePage = QStringLiteral("https://www.brennicksoftware.com/");

// The help document installed beside the program. Windows gets the whole path in capitals, as
// its help viewer was always given; where letter case matters the path is kept as it is.
QString HelpFilePath(const QString& programFolder, HostPlatform platform);

} // namespace orvane
