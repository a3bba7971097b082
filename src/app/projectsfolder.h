#pragma once

#include <QString>

namespace orvane {

// The projects folder beside the program: program folder, separator, "Projects", separator.
QString ProjectsFolderPath(const QString& programFolder);

// The projects folder in the per-user data folder, for a program installed where the user may
// not write.
QString UserProjectsFolderPath();

// Makes sure every folder up to the path's last separator exists, creating the missing ones.
// True when the whole folder exists afterwards; never raises an error.
bool EnsureFolderExists(const QString& path);

} // namespace orvane
