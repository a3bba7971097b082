#include "document/closerule.h"

#include "document/commandenabling.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "document/workspace.h"
#include "platform/desktop.h"

namespace orvane {

bool ApplyCloseRule(Workspace& workspace, DocumentWindow& window) {
    const bool empty = window.text().isEmpty();
    if (window.documentPath().isEmpty()) {
        if (empty) {
            workspace.setToolbarState(true);
            return true;
        }
        const MessageAnswer answer = workspace.desktop().showMessage(
            {QStringLiteral("This document hasn't been saved.  Do you want to sve it now?"),
             QStringLiteral("Orvane"), MessageButtons::YesNo, MessageIcon::Question});
        if (answer != MessageAnswer::Yes)
            return true;
    }
    // A blank document has nothing to lose; anything else stays open until it is saved.
    if (!SaveDocument(workspace, window) && !empty)
        return false;
    workspace.setToolbarState(true);
    return true;
}

} // namespace orvane
