#include "search/searchcommands.h"

#include "app/mainframe.h"
#include "platform/desktop.h"
#include "search/searchdialog.h"

namespace orvane {

void ShowFindDialog(MainFrame& frame) {
    SearchDialog dialog(frame);
    dialog.hideReplaceRow();
    dialog.setWindowTitle(QStringLiteral("Find"));
    frame.desktop().runModal(dialog);
}

void ShowReplaceDialog(MainFrame& frame) {
    SearchDialog dialog(frame);
    dialog.setWindowTitle(QStringLiteral("Replace"));
    frame.desktop().runModal(dialog);
}

} // namespace orvane
