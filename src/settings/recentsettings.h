#pragma once

#include <QStringList>

namespace orvane {

class SettingsStore;

// The recent files, newest first, kept as a list in the settings section "RecentFiles"; a list
// kept by an earlier version in eight keys of "Recent" is read until the next save replaces it.
QStringList ReadRecentFiles(const SettingsStore& settings);
void SaveRecentFiles(SettingsStore& settings, const QStringList& files);

} // namespace orvane
