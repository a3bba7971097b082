#include "settings/settingsstore.h"

#include <QSettings>

namespace orvane {

QString SettingsStore::get(const QString& key, const QString& fallback) const {
    return getIn(settingsSection, key, fallback);
}

void SettingsStore::save(const QString& key, const QString& text) {
    saveIn(settingsSection, key, text);
}

QString SettingsStore::getIn(const QString& section, const QString& key,
                             const QString& fallback) const {
    const QSettings settings(settingsApplication, settingsApplication);
    QVariant value = settings.value(section + u'/' + key);
    if (!value.isValid() || !value.convert(QMetaType::fromType<QString>()))
        return fallback;
    return value.toString();
}

void SettingsStore::saveIn(const QString& section, const QString& key, const QString& text) {
    saveIn(section, {{key, text}});
}

void SettingsStore::saveIn(const QString& section,
                           const QList<std::pair<QString, QString>>& values) {
    QSettings settings(settingsApplication, settingsApplication);
    for (const auto& [key, text] : values)
        settings.setValue(section + u'/' + key, text);
}

} // namespace orvane
