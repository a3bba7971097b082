#include "document/diskstamp.h"

#include <QFileInfo>

namespace orvane {

DiskStamp DiskStamp::Of(const QString& path) {
    const QFileInfo info(path);
    return {true, info.size(), info.lastModified()};
}

bool ChangedOnDisk(const DiskStamp& stamp, const QString& path) {
    if (!stamp.recorded || !QFileInfo::exists(path))
        return false;
    return DiskStamp::Of(path) != stamp;
}

} // namespace orvane
