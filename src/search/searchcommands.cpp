#include "search/searchcommands.h"

#include "document/workspace.h"
#include "platform/desktop.h"
#include "search/searchdialog.h"

namespace orvane {

void ShowFindDialog(Workspace& workspace) {
    SearchDialog dialog(workspace);
    dialog.hideReplaceRow();
    dialog.setWindowTitle(QStringLiteral("Find"));
    workspace.desktop().runModal(dialog);
}

void ShowReplaceDialog(Workspace& workspace) {
    SearchDialog dialog(workspace);
    dialog.setWindowTitle(QStringLiteral("Replace"));
    workspace.desktop().runModal(dialog);
}

} // namespace orvane
