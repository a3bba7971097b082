#include "settings/settingkeys.h"

#include <array>

namespace orvane {

namespace {

using K = SettingKey;

constexpr std::array<SettingDefinition, settingKeyCount> definitions{{
    {K::FontNameValue, "FontNameValue", "", "Courier New"},
    {K::FontNameSize, "FontNameSize", "", ""},
    {K::FontNameIndex, "FontNameIndex", "", ""},
    {K::FontSizeIndex, "FontSizeIndex", "3", "3"},
    {K::StandardToolbarValue, "StandardToolbarValue", "1", "1"},
    {K::FormattingToolbarValue, "FormattingToolbarValue", "1", "1"},
    {K::StatusbarValue, "StatusbarValue", "1", "1"},
    {K::DefaultBrowser, "DefaultBrowser", "True", "True"},
    {K::IEBrowser, "IEBrowser", "False", "False"},
    {K::NSBrowser, "NSBrowser", "False", "False"},
    {K::SDKLocation, "SDKLocation", "Unknown location", "Unknown location"},
    {K::SDKNormal, "SDKNormal", "", "False"},
    {K::SDKDebug, "SDKDebug", "", "False"},
    {K::SDKOptimize, "SDKOptimize", "", "False"},
    {K::SDKVerbose, "SDKVerbose", "", "False"},
    {K::AuthorName, "AuthorName", "Author's Name", "Author's Name"},
    {K::UsedPreviousVersion, "UsedPreviousVersion", "100", "100"},
}};

} // namespace

const SettingDefinition& settingDefinition(SettingKey key) {
    return definitions.at(static_cast<std::size_t>(key));
}

QString settingName(SettingKey key) {
    return QString::fromLatin1(settingDefinition(key).name);
}

QString readerDefault(SettingKey key) {
    return QString::fromLatin1(settingDefinition(key).readerDefault);
}

QString optionsDefault(SettingKey key) {
    return QString::fromLatin1(settingDefinition(key).optionsDefault);
}

} // namespace orvane
