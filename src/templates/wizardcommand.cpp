#include "templates/wizardcommand.h"

#include "app/mainframe.h"
#include "platform/desktop.h"
#include "platform/screencentre.h"
#include "settings/settingsstore.h"
#include "templates/documentdialog.h"
#include "templates/documentwizard.h"

namespace orvane {

void ShowDocumentWizard(MainFrame& frame, const QString& templateKind) {
    // Held by the frame so it stays above it; loaded afresh at every opening.
    DocumentDialog dialog(frame.desktop(), frame.settings().get(SettingKey::AuthorName), &frame);
    CentreOnScreen(dialog, frame.desktop().screenSize());
    if (frame.desktop().runModal(dialog) == QDialog::Accepted)
        FinishDocumentWizard(frame, templateKind, dialog.answers());
}

} // namespace orvane
