#include "settings/optionscommand.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/editorsettings.h"
#include "settings/optionsdialog.h"
#include "settings/settingsstore.h"

#include <QFontDatabase>

namespace orvane {

namespace {

void saveOptions(Workspace& workspace, const OptionsDialog& dialog) {
    BusyPointer busy(workspace.desktop());
    SettingsStore& settings = workspace.settings();
    for (const SettingValue& value : OptionsToSave(dialog.form(), dialog.fontItems()))
        settings.save(value.key, value.text);
    // The editor's own options change every open window at once. They are stored only when
    // changed, so Ok on an untouched Editor tab stores the Options keys and nothing more.
    const EditorOptions editor = dialog.editorOptions();
    if (editor != ReadEditorOptions(settings)) {
        SaveEditorOptions(settings, editor);
        for (DocumentWindow* each : workspace.documentWindows())
            each->applyEditorOptions(editor);
    }
    // Only the active window takes the font now; the others read it when they are next opened.
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    const std::optional<EditorFont> font = FontAfterOptions(settings.get(SettingKey::FontNameValue),
                                                            settings.get(SettingKey::FontNameSize));
    if (font)
        window->setEditorFont(*font);
}

} // namespace

void ShowOptionsDialog(Workspace& workspace, OptionsTab tab) {
    std::unique_ptr<OptionsDialog> dialog;
    {
        BusyPointer busy(workspace.desktop());
        const SettingsStore& settings = workspace.settings();
        dialog = std::make_unique<OptionsDialog>(
            workspace.desktop(), QFontDatabase::families(),
            LoadOptions([&settings](SettingKey key) { return settings.getForOptions(key); }));
    }
    dialog->showEditorOptions(ReadEditorOptions(workspace.settings()));
    dialog->setOptionsTab(tab);
    if (workspace.desktop().runModal(*dialog) == QDialog::Accepted)
        saveOptions(workspace, *dialog);
}

} // namespace orvane
