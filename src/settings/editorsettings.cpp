#include "settings/editorsettings.h"

#include "settings/settingsstore.h"

#include <array>

namespace orvane {

namespace {

const QString editorSection = QStringLiteral("Editor");

// Each option's key; all are "1" or "0" like the Options dialog's check boxes, and on when absent.
struct OptionKey {
    const char* name;
    bool EditorOptions::*flag;
};

constexpr std::array<OptionKey, 4> optionKeys{{
    {"SyntaxColouring", &EditorOptions::colouring},
    {"LineNumbers", &EditorOptions::lineNumbers},
    {"CurrentLine", &EditorOptions::currentLine},
    {"CheckJavaAsIType", &EditorOptions::checkAsYouType},
}};

} // namespace

EditorOptions ReadEditorOptions(const SettingsStore& settings) {
    EditorOptions options;
    for (const OptionKey& key : optionKeys)
        options.*key.flag = settings.getIn(editorSection, QString::fromLatin1(key.name),
                                           QStringLiteral("1")) != QStringLiteral("0");
    return options;
}

void SaveEditorOptions(SettingsStore& settings, const EditorOptions& options) {
    for (const OptionKey& key : optionKeys)
        settings.saveIn(editorSection, QString::fromLatin1(key.name),
                        options.*key.flag ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace orvane
