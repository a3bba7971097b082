#pragma once

#include "homepage.h"
#include "platform/hostplatform.h"

#include <QString>

namespace orvane {

// The maker's home page, opened by every web item of the Help menus: `setting` as it is when it
// is a web address, else the page of that name in the program's folder.
QString MakerHomePage(const QString& programFolder,
                      const QString& setting = QString::fromUtf8(build::homePage));

// The help document installed beside the program. Windows gets the whole path in capitals, as
// its help viewer was always given; where letter case matters the path is kept as it is.
QString HelpFilePath(const QString& programFolder, HostPlatform platform);

} // namespace orvane
