#pragma once

#include "document/editoroptions.h"

namespace orvane {

class SettingsStore;

// The editor options, kept in the settings section "Editor".
EditorOptions ReadEditorOptions(const SettingsStore& settings);
void SaveEditorOptions(SettingsStore& settings, const EditorOptions& options);

} // namespace orvane
