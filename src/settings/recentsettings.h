#pragma once

#include <QStringList>

namespace orvane {

class SettingsStore;

// The recent files, newest first, kept in the settings section "Recent".
QStringList ReadRecentFiles(const SettingsStore& settings);
void SaveRecentFiles(SettingsStore& settings, const QStringList& files);

} // namespace orvane
