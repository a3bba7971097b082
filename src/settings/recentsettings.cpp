#include "settings/recentsettings.h"

#include "settings/settingsstore.h"

namespace orvane {

namespace {

const QString recentSection = QStringLiteral("RecentFiles");
// Earlier versions kept the list in eight fixed keys File1 to File8 of this section.
const QString oldRecentSection = QStringLiteral("Recent");
constexpr int oldRecentKeys = 8;

QStringList ReadOldRecentFiles(const SettingsStore& settings) {
    QStringList files;
    for (int i = 1; i <= oldRecentKeys; ++i) {
        const QString file = settings.getIn(oldRecentSection, QStringLiteral("File%1").arg(i));
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

} // namespace

QStringList ReadRecentFiles(const SettingsStore& settings) {
    const QStringList files = settings.getList(recentSection);
    return files.isEmpty() ? ReadOldRecentFiles(settings) : files;
}

void SaveRecentFiles(SettingsStore& settings, const QStringList& files) {
    if (settings.getList(recentSection) != files)
        settings.saveList(recentSection, files);
    settings.removeSection(oldRecentSection);
}

} // namespace orvane
