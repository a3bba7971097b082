#include "settings/settingsstore.h"

#include <QSettings>

namespace orvane {

namespace {

QString fullKey(const QString& key) {
    return settingsSection + u'/' + key;
}

} // namespace

QString SettingsStore::get(const QString& key, const QString& fallback) const {
    const QSettings settings(settingsApplication, settingsApplication);
    QVariant value = settings.value(fullKey(key));
    if (!value.isValid() || !value.convert(QMetaType::fromType<QString>()))
        return fallback;
    return value.toString();
}

void SettingsStore::save(const QString& key, const QString& text) {
    QSettings settings(settingsApplication, settingsApplication);
    settings.setValue(fullKey(key), text);
}

} // namespace orvane
