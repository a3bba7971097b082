#pragma once

#include <QString>
#include <QTextCursor>

class QPlainTextEdit;

namespace orvane {

// The editor's raw text with CR LF in place of its own line breaks: what DocumentText::text()
// gives, for a copy of the raw text taken cheaply and converted elsewhere.
QString ModelText(QStringView raw);

// The active document as the rest of Orvane sees it: the whole text with CR LF line breaks and a
// selection counted in that text, where a line break is the two characters CR LF. Insertion,
// search and printing go through here and never touch the editor directly.
class DocumentText {
public:
    explicit DocumentText(QPlainTextEdit& editor) : editor_(editor) {}

    QString text() const;
    void setText(const QString& text);
    bool isEmpty() const;

    int selStart() const;
    int selLength() const;
    QString selText() const;

    // Moves the caret and clears the selection.
    void setSelStart(int position);
    // Selects `length` characters from the selection's start (the caret when nothing is
    // selected).
    void setSelLength(int length);
    // Replaces the selection (or inserts at the caret); the caret ends after the new text.
    void replaceSelection(const QString& text);

private:
    int toEditor(int position) const;
    int toModel(int position) const;

    QPlainTextEdit& editor_;
};

// Every change made to `editor`'s text while one lives is one step for Undo, however many edits
// it takes.
class UndoStep {
public:
    explicit UndoStep(QPlainTextEdit& editor);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    QTextCursor cursor_;
};

} // namespace orvane
