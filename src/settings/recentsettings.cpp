#include "settings/recentsettings.h"

#include "settings/settingsstore.h"

namespace orvane {

namespace {

const QString recentSection = QStringLiteral("Recent");
// As many keys as the list is ever long; the store cannot delete, so unused ones hold "".
constexpr int recentKeys = 8;

QString recentKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

QStringList ReadRecentFiles(const SettingsStore& settings) {
    QStringList files;
    for (int i = 0; i < recentKeys; ++i) {
        const QString file = settings.getIn(recentSection, recentKey(i));
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

void SaveRecentFiles(SettingsStore& settings, const QStringList& files) {
    for (int i = 0; i < recentKeys; ++i)
        settings.saveIn(recentSection, recentKey(i), files.value(i));
}

} // namespace orvane
