#include "settings/optionscommand.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "platform/desktop.h"
#include "settings/optionsdialog.h"
#include "settings/settingsstore.h"

#include <QFontDatabase>

namespace orvane {

namespace {

void saveOptions(MainFrame& frame, const OptionsDialog& dialog) {
    BusyPointer busy(frame.desktop());
    SettingsStore& settings = frame.settings();
    for (const SettingValue& value : OptionsToSave(dialog.form(), dialog.fontItems()))
        settings.save(value.key, value.text);
    // Only the active window takes the font now; the others read it when they are next opened.
    DocumentWindow* window = frame.activeDocument();
    if (!window)
        return;
    const std::optional<EditorFont> font = FontAfterOptions(settings.get(SettingKey::FontNameValue),
                                                            settings.get(SettingKey::FontNameSize));
    if (font)
        window->setEditorFont(*font);
}

} // namespace

void ShowOptionsDialog(MainFrame& frame, OptionsTab tab) {
    std::unique_ptr<OptionsDialog> dialog;
    {
        BusyPointer busy(frame.desktop());
        const SettingsStore& settings = frame.settings();
        dialog = std::make_unique<OptionsDialog>(
            frame.desktop(), QFontDatabase::families(),
            LoadOptions([&settings](SettingKey key) { return settings.getForOptions(key); }));
    }
    dialog->setOptionsTab(tab);
    if (frame.desktop().runModal(*dialog) == QDialog::Accepted)
        saveOptions(frame, *dialog);
}

} // namespace orvane
