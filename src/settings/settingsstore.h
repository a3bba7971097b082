#pragma once

#include "settings/settingkeys.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

class QSettings;

namespace orvane {

// The per-user store: text values under application "Orvane", section "Options"; features
// beyond the Options dialog keep theirs in sections of their own.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text of `key`, or `fallback` when the key is absent or not text.
    QString get(const QString& key, const QString& fallback = {}) const;
    void save(const QString& key, const QString& text);

    QString getIn(const QString& section, const QString& key, const QString& fallback = {}) const;
    void saveIn(const QString& section, const QString& key, const QString& text);
    // Several keys of `section` in one write of the store.
    void saveIn(const QString& section, const QList<std::pair<QString, QString>>& values);
    // Forgets `section` and everything in it.
    void removeSection(const QString& section);

    // A list of texts kept as the entries of `section`, in order.
    QStringList getList(const QString& section) const;
    void saveList(const QString& section, const QStringList& texts);

    // The same, by the key table: absent keys read as the program readers' default.
    QString get(SettingKey key) const { return get(settingName(key), readerDefault(key)); }
    QString getForOptions(SettingKey key) const {
        return get(settingName(key), optionsDefault(key));
    }
    void save(SettingKey key, const QString& text) { save(settingName(key), text); }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace orvane
