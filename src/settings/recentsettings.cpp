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

// Each write to the store costs a write of its file: the changed keys go in one, or none.
void SaveRecentFiles(SettingsStore& settings, const QStringList& files) {
    QList<std::pair<QString, QString>> changed;
    for (int i = 0; i < recentKeys; ++i) {
        if (settings.getIn(recentSection, recentKey(i)) != files.value(i))
            changed.append({recentKey(i), files.value(i)});
    }
    if (!changed.isEmpty())
        settings.saveIn(recentSection, changed);
}

} // namespace orvane
