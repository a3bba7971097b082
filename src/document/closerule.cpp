#include "document/closerule.h"

#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "document/workspace.h"
#include "platform/desktop.h"

namespace orvane {

bool ApplyCloseRule(Workspace& workspace, DocumentWindow& window) {
    const bool empty = window.text().isEmpty();
    if (window.documentPath().isEmpty()) {
        if (!empty) {
            const MessageAnswer answer = workspace.desktop().showMessage(
                {QStringLiteral("This document hasn't been saved.  Do you want to sve it now?"),
                 QStringLiteral("Orvane"), MessageButtons::YesNo, MessageIcon::Question});
            // Closing the question without a button is no permission to throw the text away.
            if (answer == MessageAnswer::No)
                return true;
            if (answer != MessageAnswer::Yes || !SaveDocument(workspace, window))
                return false;
        }
    } else if (!window.isUnchanged()) {
        // A blank document has nothing to lose; anything else stays open until it is saved. An
        // unchanged one is not written at all: another program may have written the file since.
        if (!SaveDocument(workspace, window) && !empty)
            return false;
    }
    return true;
}

} // namespace orvane
