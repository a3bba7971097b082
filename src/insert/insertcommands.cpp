#include "insert/insertcommands.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
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

void RunObjectDialog(MainFrame& frame, ObjectPage page, std::optional<ObjectOption> preset) {
    ObjectDialog dialog(frame);
    dialog.showPage(page);
    if (preset)
        dialog.preselect(*preset);
    frame.desktop().runModal(dialog);
}

} // namespace

void InsertStatement(MainFrame& frame, StatementKind kind) {
    const InsertOutcome outcome = InsertSkeleton(kind, ActiveDocumentText(frame));
    if (outcome.message)
        frame.desktop().showMessage(*outcome.message);
    else if (DocumentWindow* window = frame.activeDocument())
        window->text().replaceSelection(outcome.text);
}

void ShowVariableDialog(MainFrame& frame) {
    VariableDialog dialog(frame);
    frame.desktop().runModal(dialog);
}

void ShowFunctionDialog(MainFrame& frame) {
    FunctionDialog dialog(frame);
    frame.desktop().runModal(dialog);
}

void ShowObjectPage(MainFrame& frame, int page) {
    if (page >= 0 && page < objectPageCount)
        RunObjectDialog(frame, ObjectPage(page), std::nullopt);
}

void ShowObjectForToolbarKey(MainFrame& frame, const QString& key) {
    for (const ToolbarTarget& target : toolbarTargets) {
        if (key == QLatin1StringView(target.key)) {
            RunObjectDialog(frame, target.page, target.preset);
            return;
        }
    }
}

} // namespace orvane
