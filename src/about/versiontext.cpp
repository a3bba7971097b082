#include "about/versiontext.h"

#include "buildversion.h"

namespace orvane {

QString VersionText(int major, int minor, int revision) {
    return QString::number(major) + u'.' + QString::number(minor) + QString::number(revision);
}

QString ProgramVersionText() {
    return VersionText(build::versionMajor, build::versionMinor, build::versionRevision);
}

} // namespace orvane
