#include "document/editcommands.h"

#include "document/documentwindow.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orvane {

namespace {

// Other programs on this desktop expect its own line breaks on the clipboard.
QString clipboardForm(QString text) {
#ifndef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return text;
}

// A text field outside the document that has the keyboard focus (the Output pane and its input
// line): the edit commands and their shortcuts act there instead of on the document.
class OtherTextField {
public:
    explicit OtherTextField(const Workspace& workspace) {
        QWidget* focus = QApplication::focusWidget();
        const DocumentWindow* window = workspace.activeDocument();
        if (!focus || (window && focus == &window->editor()))
            return;
        lines_ = qobject_cast<QPlainTextEdit*>(focus);
        line_ = qobject_cast<QLineEdit*>(focus);
    }

    bool exists() const { return lines_ || line_; }
    bool isEditable() const {
        return lines_ ? !lines_->isReadOnly() : line_ && !line_->isReadOnly();
    }
    QString selection() const {
        if (lines_)
            return lines_->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
        return line_ ? line_->selectedText() : QString();
    }
    void replaceSelection(const QString& text) {
        if (lines_)
            lines_->insertPlainText(text);
        else if (line_)
            line_->insert(QString(text).replace(u'\n', u' ').remove(u'\r'));
    }
    void selectAll() {
        if (lines_)
            lines_->selectAll();
        else if (line_)
            line_->selectAll();
    }

private:
    QPlainTextEdit* lines_ = nullptr;
    QLineEdit* line_ = nullptr;
};

} // namespace

void CutText(Workspace& workspace) {
    if (OtherTextField field(workspace); field.exists()) {
        if (field.isEditable()) {
            workspace.desktop().setClipboardText(field.selection());
            field.replaceSelection(QString());
        }
    } else if (DocumentWindow* window = workspace.activeDocument()) {
        DocumentText text = window->text();
        workspace.desktop().setClipboardText(clipboardForm(text.selText()));
        text.replaceSelection(QString());
    }
}

void CopyText(Workspace& workspace) {
    if (OtherTextField field(workspace); field.exists())
        workspace.desktop().setClipboardText(field.selection());
    else if (DocumentWindow* window = workspace.activeDocument())
        workspace.desktop().setClipboardText(clipboardForm(window->text().selText()));
}

void PasteText(Workspace& workspace) {
    if (OtherTextField field(workspace); field.exists()) {
        if (field.isEditable())
            field.replaceSelection(workspace.desktop().clipboardText());
    } else if (DocumentWindow* window = workspace.activeDocument()) {
        // An undo step of its own: merged with the typing before it, Undo would take both.
        const UndoStep step(window->editor());
        window->text().replaceSelection(workspace.desktop().clipboardText());
    }
}

void SelectAllText(Workspace& workspace) {
    if (OtherTextField field(workspace); field.exists()) {
        field.selectAll();
    } else if (DocumentWindow* window = workspace.activeDocument()) {
        DocumentText text = window->text();
        text.setSelStart(0);
        text.setSelLength(static_cast<int>(text.text().size()));
    }
}

} // namespace orvane
