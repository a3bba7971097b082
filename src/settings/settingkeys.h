#pragma once

#include <QString>

namespace orvane {

// Every value Orvane keeps between runs, in the order the Options dialog writes them.
enum class SettingKey {
    FontNameValue,
    FontNameSize,
    FontNameIndex,
    FontSizeIndex,
    StandardToolbarValue,
    FormattingToolbarValue,
    StatusbarValue,
    DefaultBrowser,
    IEBrowser,
    NSBrowser,
    SDKLocation,
    SDKNormal,
    SDKDebug,
    SDKOptimize,
    SDKVerbose,
    AuthorName,
    UsedPreviousVersion,
};

inline constexpr int settingKeyCount = 17;

struct SettingDefinition {
    SettingKey key;
    const char* name;
    // What the program's own readers pass when the key is absent.
    const char* readerDefault;
    // What the Options dialog shows for an absent key, where it differs from the readers'.
    const char* optionsDefault;
};

const SettingDefinition& settingDefinition(SettingKey key);
QString settingName(SettingKey key);
QString readerDefault(SettingKey key);
QString optionsDefault(SettingKey key);

inline const QString settingsApplication = QStringLiteral("Orvane");
inline const QString settingsSection = QStringLiteral("Options");

} // namespace orvane
