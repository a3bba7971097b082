#include "insert/insertcommands.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "insert/dialogsupport.h"
#include "insert/functiondialog.h"
#include "insert/objectdialog.h"
#include "insert/variabledialog.h"
#include "platform/desktop.h"

#include <array>
#include <optional>

namespace orvane {

namespace {

struct ToolbarTarget {
    const char* key;
    ObjectPage page;
    std::optional<ObjectOption> preset;
};

constexpr std::array<ToolbarTarget, 8> toolbarTargets{{
    {"Font", ObjectPage::Font, std::nullopt},
    {"Label", ObjectPage::Label, std::nullopt},
    {"TextEdit", ObjectPage::Text, ObjectOption::TextField},
    {"TextField", ObjectPage::Text, ObjectOption::TextArea},
    {"Checkbox", ObjectPage::Options, ObjectOption::Checkbox},
    {"Radiobutton", ObjectPage::Options, ObjectOption::RadioButton},
    {"Button", ObjectPage::Button, std::nullopt},
    {"Scrollbar", ObjectPage::Scrollbar, std::nullopt},
}};

void RunObjectDialog(Workspace& workspace, ObjectPage page, std::optional<ObjectOption> preset) {
    ObjectDialog dialog(workspace);
    dialog.showPage(page);
    if (preset)
        dialog.preselect(*preset);
    workspace.desktop().runModal(dialog);
}

} // namespace

void InsertStatement(Workspace& workspace, StatementKind kind) {
    const InsertOutcome outcome = InsertSkeleton(kind, ActiveDocumentText(workspace));
    if (outcome.message)
        workspace.desktop().showMessage(*outcome.message);
    else if (DocumentWindow* window = workspace.activeDocument())
        window->text().replaceSelection(outcome.text);
}

void ShowVariableDialog(Workspace& workspace) {
    VariableDialog dialog(workspace);
    workspace.desktop().runModal(dialog);
}

void ShowFunctionDialog(Workspace& workspace) {
    FunctionDialog dialog(workspace);
    workspace.desktop().runModal(dialog);
}

void ShowObjectPage(Workspace& workspace, int page) {
    if (page >= 0 && page < objectPageCount)
        RunObjectDialog(workspace, ObjectPage(page), std::nullopt);
}

void ShowObjectForToolbarKey(Workspace& workspace, const QString& key) {
    for (const ToolbarTarget& target : toolbarTargets) {
        if (key == QLatin1StringView(target.key)) {
            RunObjectDialog(workspace, target.page, target.preset);
            return;
        }
    }
}

} // namespace orvane
