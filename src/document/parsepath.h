#pragma once

#include <QString>

namespace orvane {

// Windows paths have drive letters and "\"; elsewhere "/" and no drive.
enum class PathStyle { Windows, Posix };

constexpr PathStyle nativePathStyle() {
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

// One piece of `path`, chosen by `part`: 1 drive, 2 folder, 3 drive and folder, 4 name,
// 5 extension, 6 name with extension, 7 everything but the extension. A negative part drops the
// folder's final separator and the extension's dot. Any other part gives empty text.
QString ParsePath(const QString& path, int part, PathStyle style = nativePathStyle());

} // namespace orvane
