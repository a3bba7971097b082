#include "toolchain/errornavigation.h"

#include "document/codeeditor.h"
#include "document/documentwindow.h"
#include "document/workspace.h"
#include "toolchain/diagnosticmarkers.h"

namespace orvane {

namespace {

void goToMarker(Workspace& workspace, bool forward) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    const DiagnosticMarkers* markers = DiagnosticMarkers::Find(window->codeEditor());
    const QList<int> starts = markers ? markers->positions() : QList<int>();
    if (starts.isEmpty()) {
        workspace.showStatusMessage(
            QStringLiteral("No compiler messages are marked in this window."));
        return;
    }
    QPlainTextEdit& editor = window->editor();
    const int caret = editor.textCursor().position();
    int target = forward ? starts.constFirst() : starts.constLast();
    if (forward) {
        for (int start : starts) {
            if (start > caret) {
                target = start;
                break;
            }
        }
    } else {
        for (auto start = starts.crbegin(); start != starts.crend(); ++start) {
            if (*start < caret) {
                target = *start;
                break;
            }
        }
    }
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(target);
    editor.setTextCursor(cursor);
    editor.setFocus();
}

} // namespace

void GoToNextError(Workspace& workspace) {
    goToMarker(workspace, true);
}

void GoToPreviousError(Workspace& workspace) {
    goToMarker(workspace, false);
}

} // namespace orvane
