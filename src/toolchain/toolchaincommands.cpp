#include "toolchain/toolchaincommands.h"

#include "document/documentwindow.h"
#include "document/errortrap.h"
#include "document/filecommands.h"
#include "document/openinbrowser.h"
#include "document/programoutput.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "settings/optionscommand.h"
#include "settings/settingsstore.h"
#include "toolchain/appletapichoice.h"
#include "toolchain/compilecommands.h"
#include "toolchain/compilermarkers.h"
#include "toolchain/javapackage.h"
#include "toolchain/previewrule.h"
#include "toolchain/rundialog.h"
#include "toolchain/toolstarter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <memory>

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

QString NoCompilerMessage(const QString& chosen) {
    return QStringLiteral("There is no javac at %1, the compiler location chosen in View > "
                          "Options (Compiler tab). Choose the javac of a JDK, its folder or its "
                          "bin folder there.")
        .arg(chosen);
}

// javac takes a UTF-8 byte order mark for an illegal character. A source starting with one is
// compiled from a copy without it, its classes still going to its package root; the copy lives
// as long as the compiler runs. Nothing when the source has no mark.
std::shared_ptr<QTemporaryDir> CopyWithoutByteOrderMark(const QString& sourcePath,
                                                        const JavaPackagePlace& place,
                                                        QList<ToolCommand>& commands) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly) || source.peek(3) != QByteArray("\xef\xbb\xbf"))
        return {};
    auto folder = std::make_shared<QTemporaryDir>();
    const QString copyPath = folder->filePath(QFileInfo(sourcePath).fileName());
    QFile copy(copyPath);
    source.skip(3);
    if (!folder->isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(source.readAll()) < 0)
        return {};
    for (ToolCommand& command : commands) {
        command.arguments.last() = QDir::toNativeSeparators(copyPath);
        command.arguments.insert(command.arguments.size() - 1, QStringLiteral("-d"));
        command.arguments.insert(command.arguments.size() - 1, place.root);
    }
    return folder;
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
    const QString sourcePath = window->documentPath();
    const QString source = window->text().text();
    const QString compiler = LocateJdkProgram(workspace, JdkTool::Compiler);
    const JavaPackagePlace place = JavaPackageRoot(sourcePath, source);
    QStringList options;
    ToolRun run{.compiledSource = sourcePath};
    if (UsesAppletApi(source)) {
        const AppletApiUse api = ChooseAppletApi(workspace, compiler);
        options = api.options;
        // The JDK's own applet classes are marked for removal: a warning about that on every
        // compile of a new applet says nothing about the user's code.
        if (api.api == AppletApi::Jdk)
            options << QStringLiteral("-Xlint:-removal");
        run.note = AppletApiNote(api.api);
    }
    QList<ToolCommand> commands =
        BuildCompileCommands(chosenModes(settings), sourcePath, place.root, compiler,
                             JavacEncodingName(window->textFormat().encoding), options);
    // Otherwise Compile would do nothing and say nothing; the user chooses a mode and compiles
    // again, as after the location message.
    if (commands.isEmpty()) {
        inform(desktop, QStringLiteral("The compile mode was not specified."));
        ShowOptionsDialog(workspace, OptionsTab::Compiler);
        return;
    }
    ProgramOutput& pane = workspace.programOutput();
    const QString chosen = ChosenCompiler(workspace);
    // A bare program name chosen is looked for on the search path, as it always was.
    if (QFileInfo(chosen).isAbsolute() && !QFileInfo(chosen).isFile()) {
        const ToolCommand wanted{chosen, commands.constFirst().arguments};
        pane.noteNotStarted(CommandLineText(wanted), NoCompilerMessage(chosen));
        return;
    }
    if (!place.matchesFolder) {
        pane.noteNotStarted(CommandLineText(commands.constFirst()),
                            PackageMismatchMessage(sourcePath, place.packageName));
        return;
    }
    run.keptWhileRunning = CopyWithoutByteOrderMark(sourcePath, place, commands);
    // Messages about the copy without a byte order mark are about the document itself.
    run.whenCompiled = [&workspace, compiled = commands.constFirst().arguments.constLast(),
                        sourcePath](const QString& output, const QString& folder) {
        ShowCompilerMarkers(workspace, QString(output).replace(compiled, sourcePath), folder);
    };
    for (const ToolCommand& command : commands) {
        if (!RunTrappedSteps(desktop, {[&] {
                                 return StartTool(workspace, command, run);
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
