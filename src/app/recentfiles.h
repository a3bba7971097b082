#pragma once

#include <QStringList>

namespace orvane {

inline constexpr int RecentFileLimit = 8;

// The recent files after `path` was opened or saved: it comes first, once, and the list keeps
// at most RecentFileLimit files.
QStringList WithRecentFile(QStringList files, const QString& path);

// The File menu's item for the recent file at `index` (from 0): its number as access key, then
// the path, whose own "&" stay visible.
QString RecentFileCaption(int index, const QString& path);

} // namespace orvane
