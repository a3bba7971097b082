#include "toolchain/toolchaincommands.h"

#include "document/documentwindow.h"
#include "document/errortrap.h"
#include "document/filecommands.h"
#include "document/openinbrowser.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/optionscommand.h"
#include "settings/settingsstore.h"
#include "toolchain/compilecommands.h"
#include "toolchain/compilermarkers.h"
#include "toolchain/previewrule.h"
#include "toolchain/rundialog.h"
#include "toolchain/toolstarter.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace orvane {

namespace {

const QString orvaneTitle = QStringLiteral("Orvane");

void inform(Desktop& desktop, const QString& text) {
    desktop.showMessage({text, orvaneTitle, MessageButtons::Ok, MessageIcon::Information});
}

bool isChosen(const SettingsStore& settings, SettingKey key) {
    return settings.get(key) == u"True";
}

// Until Options has been confirmed, a JDK on the search path is the compiler and it compiles
// normally, so a new user's first F4 compiles instead of asking for what the machine already has.
bool compilerKnown(Workspace& workspace) {
    if (workspace.settings().get(SettingKey::SDKLocation) != readerDefault(SettingKey::SDKLocation))
        return true;
    return !FindJdkProgram(workspace, JdkTool::Compiler).isEmpty();
}

CompileModes chosenModes(const SettingsStore& settings) {
    const CompileModes modes{
        isChosen(settings, SettingKey::SDKNormal), isChosen(settings, SettingKey::SDKDebug),
        isChosen(settings, SettingKey::SDKOptimize), isChosen(settings, SettingKey::SDKVerbose)};
    const bool neverChosen =
        std::ranges::all_of(std::array{SettingKey::SDKNormal, SettingKey::SDKDebug,
                                       SettingKey::SDKOptimize, SettingKey::SDKVerbose},
                            [&settings](SettingKey key) { return settings.get(key).isEmpty(); });
    return neverChosen ? CompileModes{.normal = true} : modes;
}

} // namespace

void CompileDocument(Workspace& workspace) {
    Desktop& desktop = workspace.desktop();
    const SettingsStore& settings = workspace.settings();
    if (!compilerKnown(workspace)) {
        inform(desktop, QStringLiteral("The location of the compiler was not specified."));
        ShowOptionsDialog(workspace, OptionsTab::Compiler);
        return;
    }
    const DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    if (window->caption().isEmpty() || window->caption() == u"Untitled") {
        inform(desktop, QStringLiteral("No Java source file specified."));
        return;
    }
    const QList<ToolCommand> commands =
        BuildCompileCommands(chosenModes(settings), window->documentPath(),
                             LocateJdkProgram(workspace, JdkTool::Compiler),
                             JavacEncodingName(window->textFormat().encoding));
    // Otherwise Compile would do nothing and say nothing; the user chooses a mode and compiles
    // again, as after the location message.
    if (commands.isEmpty()) {
        inform(desktop, QStringLiteral("The compile mode was not specified."));
        ShowOptionsDialog(workspace, OptionsTab::Compiler);
        return;
    }
    for (const ToolCommand& command : commands) {
        if (!RunTrappedSteps(desktop, {[&] {
                                 return StartTool(
                                     workspace, command,
                                     {.compiledSource = window->documentPath(),
                                      .whenCompiled = [&workspace](const QString& output,
                                                                   const QString& folder) {
                                          ShowCompilerMarkers(workspace, output, folder);
                                      }});
                             }}))
            return;
    }
}

void PreviewDocument(Workspace& workspace) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    const PreviewAction action = ChoosePreviewAction(window->documentPath());
    switch (action.kind) {
    case PreviewAction::Kind::OpenPage:
        OpenInBrowser(workspace.desktop(), action.path);
        return;
    case PreviewAction::Kind::Refuse:
        workspace.desktop().showMessage(
            {previewRefusal, orvaneTitle, MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    case PreviewAction::Kind::AskToSave:
        break;
    }
    // Saving ends the command; the user previews the saved page with a second command.
    if (workspace.desktop().showMessage({previewSaveQuestion, orvaneTitle, MessageButtons::YesNo,
                                         MessageIcon::Question}) == MessageAnswer::Yes)
        SaveDocument(workspace, *window);
}

void ShowRunDialog(Workspace& workspace) {
    RunDialog dialog(workspace);
    workspace.desktop().runModal(dialog);
}

} // namespace orvane
