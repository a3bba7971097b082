#include "document/editcommands.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "platform/desktop.h"

namespace orvane {

namespace {

// Other programs on this desktop expect its own line breaks on the clipboard.
QString clipboardForm(QString text) {
#ifndef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return text;
}

} // namespace

void CutText(Workspace& workspace) {
    if (DocumentWindow* window = workspace.activeDocument()) {
        DocumentText text = window->text();
        workspace.desktop().setClipboardText(clipboardForm(text.selText()));
        text.replaceSelection(QString());
    }
}

void CopyText(Workspace& workspace) {
    if (DocumentWindow* window = workspace.activeDocument())
        workspace.desktop().setClipboardText(clipboardForm(window->text().selText()));
}

void PasteText(Workspace& workspace) {
    if (DocumentWindow* window = workspace.activeDocument())
        window->text().replaceSelection(workspace.desktop().clipboardText());
}

void SelectAllText(Workspace& workspace) {
    if (DocumentWindow* window = workspace.activeDocument()) {
        DocumentText text = window->text();
        text.setSelStart(0);
        text.setSelLength(static_cast<int>(text.text().size()));
    }
}

} // namespace orvane
