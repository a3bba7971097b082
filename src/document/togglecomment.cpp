#include "document/togglecomment.h"

#include "document/codeeditor.h"
#include "document/commenttoggle.h"
#include "document/documentwindow.h"
#include "document/indentedits.h"
#include "document/indentrules.h"
#include "document/syntaxhighlighter.h"
#include "document/workspace.h"

#include <QTextBlock>

namespace orvane {

namespace {

void toggleHtml(QPlainTextEdit& editor) {
    QTextCursor cursor = editor.textCursor();
    if (!cursor.hasSelection()) {
        const QTextBlock block = cursor.block();
        const QString line = block.text();
        const qsizetype indent = LeadingBlanks(line).size();
        cursor.setPosition(block.position() + int(indent));
        cursor.setPosition(block.position() + int(line.size()), QTextCursor::KeepAnchor);
    }
    const int start = cursor.selectionStart();
    const QString toggled = ToggleHtmlComment(cursor.selectedText());
    cursor.beginEditBlock();
    cursor.insertText(toggled);
    cursor.endEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(start + int(toggled.size()), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void toggleLines(QPlainTextEdit& editor) {
    QTextDocument& document = *editor.document();
    const bool selected = editor.textCursor().hasSelection();
    const auto [first, last] = SelectedLines(editor);
    QStringList lines;
    for (QTextBlock block = first;; block = block.next()) {
        lines << block.text();
        if (block == last)
            break;
    }
    const QStringList toggled = ToggleLineComments(lines);
    QTextCursor edit(&document);
    edit.beginEditBlock();
    QTextBlock block = first;
    for (qsizetype i = 0; i < toggled.size(); ++i, block = block.next()) {
        if (toggled[i] == lines[i])
            continue;
        edit.setPosition(block.position());
        edit.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        edit.insertText(toggled[i]);
    }
    edit.endEditBlock();
    if (selected) {
        QTextCursor reselect(&document);
        reselect.setPosition(first.position());
        reselect.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        editor.setTextCursor(reselect);
    }
}

} // namespace

void ToggleComment(Workspace& workspace) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    QPlainTextEdit& editor = window->editor();
    if (window->codeEditor().highlighter().language() == SyntaxLanguage::Html)
        toggleHtml(editor);
    else
        toggleLines(editor);
}

} // namespace orvane
