#pragma once

#include <QStringList>

namespace orvane {

inline constexpr int RecentFileLimit = 8;

// The recent files after `path` was opened or saved: it comes first, once, and the list keeps
// at most RecentFileLimit files.
QStringList WithRecentFile(QStringList files, const QString& path);

// A numbered menu item, the File menu's recent files and the Window menu's windows alike: the
// number of `index` (from 0) as access key, then the text, whose own "&" stay visible.
QString NumberedItemCaption(int index, const QString& text);

} // namespace orvane
