#pragma once

#include "settings/settingkeys.h"

#include <QList>
#include <QString>

#include <utility>

namespace orvane {

// The per-user store: text values under application "Orvane", section "Options"; features
// beyond the Options dialog keep theirs in sections of their own.
class SettingsStore {
public:
    // The stored text of `key`, or `fallback` when the key is absent or not text.
    QString get(const QString& key, const QString& fallback = {}) const;
    void save(const QString& key, const QString& text);

    QString getIn(const QString& section, const QString& key, const QString& fallback = {}) const;
    void saveIn(const QString& section, const QString& key, const QString& text);
    // Several keys of `section` in one write of the store.
    void saveIn(const QString& section, const QList<std::pair<QString, QString>>& values);

    // The same, by the key table: absent keys read as the program readers' default.
    QString get(SettingKey key) const { return get(settingName(key), readerDefault(key)); }
    QString getForOptions(SettingKey key) const {
        return get(settingName(key), optionsDefault(key));
    }
    void save(SettingKey key, const QString& text) { save(settingName(key), text); }
};

} // namespace orvane
