#include "document/editcommands.h"

#include "app/mainframe.h"
#include "document/documentwindow.h"
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

void CutText(MainFrame& frame) {
    if (DocumentWindow* window = frame.activeDocument()) {
        DocumentText text = window->text();
        frame.desktop().setClipboardText(clipboardForm(text.selText()));
        text.replaceSelection(QString());
    }
}

void CopyText(MainFrame& frame) {
    if (DocumentWindow* window = frame.activeDocument())
        frame.desktop().setClipboardText(clipboardForm(window->text().selText()));
}

void PasteText(MainFrame& frame) {
    if (DocumentWindow* window = frame.activeDocument())
        window->text().replaceSelection(frame.desktop().clipboardText());
}

void SelectAllText(MainFrame& frame) {
    if (DocumentWindow* window = frame.activeDocument()) {
        DocumentText text = window->text();
        text.setSelStart(0);
        text.setSelLength(static_cast<int>(text.text().size()));
    }
}

} // namespace orvane
