#include "document/documenttext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace orvane {

namespace {

bool isEditorBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// toRawText keeps non-breaking spaces, which toPlainText would turn into blanks.
QString rawText(const QPlainTextEdit& editor) {
    return editor.document()->toRawText();
}

} // namespace

QString ModelText(QStringView raw) {
    QString out;
    out.reserve(raw.size() + raw.size() / 16);
    for (const QChar c : raw) {
        if (isEditorBreak(c))
            out += u"\r\n";
        else
            out += c;
    }
    return out;
}

QString DocumentText::text() const {
    return ModelText(rawText(editor_));
}

void DocumentText::setText(const QString& text) {
    editor_.setPlainText(text);
}

bool DocumentText::isEmpty() const {
    return editor_.document()->isEmpty();
}

int DocumentText::toModel(int position) const {
    const QString raw = rawText(editor_);
    const int end = std::min<int>(position, raw.size());
    int model = 0;
    for (int i = 0; i < end; ++i)
        model += isEditorBreak(raw.at(i)) ? 2 : 1;
    return model;
}

int DocumentText::toEditor(int position) const {
    const QString raw = rawText(editor_);
    int model = 0;
    for (int i = 0; i < raw.size(); ++i) {
        if (model >= position)
            return i;
        model += isEditorBreak(raw.at(i)) ? 2 : 1;
    }
    return raw.size();
}

int DocumentText::selStart() const {
    return toModel(editor_.textCursor().selectionStart());
}

int DocumentText::selLength() const {
    const QTextCursor cursor = editor_.textCursor();
    return toModel(cursor.selectionEnd()) - toModel(cursor.selectionStart());
}

QString DocumentText::selText() const {
    return text().mid(selStart(), selLength());
}

void DocumentText::setSelStart(int position) {
    QTextCursor cursor = editor_.textCursor();
    cursor.setPosition(toEditor(std::max(position, 0)));
    editor_.setTextCursor(cursor);
}

void DocumentText::setSelLength(int length) {
    QTextCursor cursor = editor_.textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(toEditor(toModel(start) + std::max(length, 0)), QTextCursor::KeepAnchor);
    editor_.setTextCursor(cursor);
}

UndoStep::UndoStep(QPlainTextEdit& editor) : cursor_(editor.textCursor()) {
    cursor_.beginEditBlock();
}

UndoStep::~UndoStep() {
    cursor_.endEditBlock();
}

void DocumentText::replaceSelection(const QString& text) {
    QTextCursor cursor = editor_.textCursor();
    cursor.insertText(text);
    cursor.clearSelection();
    editor_.setTextCursor(cursor);
}

} // namespace orvane
