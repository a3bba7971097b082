#include "settings/settingsstore.h"

#include <QSettings>

namespace orvane {

namespace {

const QString listEntry = QStringLiteral("Entry");

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(settingsApplication, settingsApplication)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const QString& key, const QString& fallback) const {
    return getIn(settingsSection, key, fallback);
}

void SettingsStore::save(const QString& key, const QString& text) {
    saveIn(settingsSection, key, text);
}

QString SettingsStore::getIn(const QString& section, const QString& key,
                             const QString& fallback) const {
    QVariant value = settings_->value(section + u'/' + key);
    if (!value.isValid() || !value.convert(QMetaType::fromType<QString>()))
        return fallback;
    return value.toString();
}

void SettingsStore::saveIn(const QString& section, const QString& key, const QString& text) {
    saveIn(section, {{key, text}});
}

void SettingsStore::saveIn(const QString& section,
                           const QList<std::pair<QString, QString>>& values) {
    for (const auto& [key, text] : values)
        settings_->setValue(section + u'/' + key, text);
}

void SettingsStore::removeSection(const QString& section) {
    settings_->remove(section);
}

QStringList SettingsStore::getList(const QString& section) const {
    QStringList texts;
    const int count = settings_->beginReadArray(section);
    for (int i = 0; i < count; ++i) {
        settings_->setArrayIndex(i);
        texts.append(settings_->value(listEntry).toString());
    }
    settings_->endArray();
    return texts;
}

// The old entries go first, so a shorter list leaves none of them behind.
void SettingsStore::saveList(const QString& section, const QStringList& texts) {
    settings_->remove(section);
    settings_->beginWriteArray(section, static_cast<int>(texts.size()));
    for (int i = 0; i < texts.size(); ++i) {
        settings_->setArrayIndex(i);
        settings_->setValue(listEntry, texts.at(i));
    }
    settings_->endArray();
}

} // namespace orvane
