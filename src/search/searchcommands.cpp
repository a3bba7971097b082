#include "search/searchcommands.h"

#include "document/documentwindow.h"
#include "document/typedtext.h"
#include "document/workspace.h"
#include "platform/desktop.h"
#include "search/findindocument.h"
#include "search/searchdialog.h"

namespace orvane {

namespace {

// One search for the whole run, as the dialog is one for the whole frame.
QString& lastSearchBox() {
    static QString box;
    return box;
}

void findAgain(Workspace& workspace, bool forward) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    if (TrimBlanks(LastSearch()).isEmpty()) {
        ShowFindDialog(workspace);
        return;
    }
    DocumentText document = window->text();
    const std::optional<FoundAgain> found = FindAgain(
        document.text(), LastSearch(), document.selStart(), document.selLength(), forward);
    if (!found) {
        workspace.desktop().showMessage({QStringLiteral("Sorry, no match could be found."),
                                         QStringLiteral("Orvane"), MessageButtons::Ok,
                                         MessageIcon::Information});
        return;
    }
    document.setSelStart(found->start);
    document.setSelLength(found->length);
    if (!found->wrapNote.isEmpty())
        workspace.showStatusMessage(found->wrapNote);
}

} // namespace

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

void FindNext(Workspace& workspace) {
    findAgain(workspace, true);
}

void FindPrevious(Workspace& workspace) {
    findAgain(workspace, false);
}

void RememberSearch(const QString& searchBox) {
    lastSearchBox() = searchBox;
}

QString LastSearch() {
    return lastSearchBox();
}

} // namespace orvane
