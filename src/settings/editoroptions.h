#pragma once

namespace orvane {

class SettingsStore;

// How document windows show their text; kept in the settings section "Editor".
struct EditorOptions {
    bool colouring = true;
    bool lineNumbers = true;
    bool currentLine = true;

    bool operator==(const EditorOptions&) const = default;
};

EditorOptions ReadEditorOptions(const SettingsStore& settings);
void SaveEditorOptions(SettingsStore& settings, const EditorOptions& options);

} // namespace orvane
