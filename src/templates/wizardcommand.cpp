#include "templates/wizardcommand.h"

#include "document/workspace.h"
#include "platform/desktop.h"
#include "platform/screencentre.h"
#include "settings/settingsstore.h"
#include "templates/documentdialog.h"
#include "templates/documentwizard.h"

namespace orvane {

void ShowDocumentWizard(Workspace& workspace, const QString& templateKind) {
    // Held by the frame so it stays above it; loaded afresh at every opening.
    DocumentDialog dialog(workspace.desktop(), workspace.settings().get(SettingKey::AuthorName),
                          workspace.projectsFolder(), &workspace.dialogParent());
    CentreOnScreen(dialog, workspace.desktop().screenSize());
    if (workspace.desktop().runModal(dialog) == QDialog::Accepted)
        FinishDocumentWizard(workspace, templateKind, dialog.answers());
}

} // namespace orvane
