#include "document/closerule.h"

#include "app/mainframe.h"
#include "document/commandenabling.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "platform/desktop.h"

namespace orvane {

bool ApplyCloseRule(MainFrame& frame, DocumentWindow& window) {
    const bool empty = window.text().isEmpty();
    if (window.documentPath().isEmpty()) {
        if (empty) {
            SetToolbarState(frame, true);
            return true;
        }
        const MessageAnswer answer = frame.desktop().showMessage(
            {QStringLiteral("This document hasn't been saved.  Do you want to sve it now?"),
             QStringLiteral("Orvane"), MessageButtons::YesNo, MessageIcon::Question});
        if (answer != MessageAnswer::Yes)
            return true;
    }
    // A blank document has nothing to lose; anything else stays open until it is saved.
    if (!SaveDocument(frame, window) && !empty)
        return false;
    SetToolbarState(frame, true);
    return true;
}

} // namespace orvane
