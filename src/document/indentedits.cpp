#include "document/indentedits.h"

#include "document/bracketmatch.h"
#include "document/syntaxhighlighter.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace orvane {

namespace {

QString beforeCaret(const QTextCursor& cursor) {
    return cursor.block().text().first(cursor.positionInBlock());
}

void breakLine(QPlainTextEdit& editor, const IndentStyle& style, SyntaxLanguage language) {
    QTextCursor cursor = editor.textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const QString before = beforeCaret(cursor);
    const ColouredLine colouring =
        ColourLine(language, before, SyntaxHighlighter::startState(cursor.block()));
    const QString indent = NextLineIndent(before, colouring, style);
    cursor.insertBlock();
    cursor.insertText(indent);
    cursor.endEditBlock();
    editor.setTextCursor(cursor);
}

// "}" typed after nothing but indentation, outside a comment or string, takes a level off.
bool closeBrace(QPlainTextEdit& editor, const IndentStyle& style, SyntaxLanguage language) {
    QTextCursor cursor = editor.textCursor();
    const QString before = beforeCaret(cursor);
    if (cursor.hasSelection() || before.isEmpty() || LeadingBlanks(before).size() != before.size())
        return false;
    const ColouredLine colouring =
        ColourLine(language, QString(before + u'}'), SyntaxHighlighter::startState(cursor.block()));
    if (!IsCodeColumn(colouring, int(before.size())))
        return false;
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, DedentLength(before, style));
    cursor.insertText(QStringLiteral("}"));
    cursor.endEditBlock();
    editor.setTextCursor(cursor);
    return true;
}

void insertTab(QPlainTextEdit& editor, const IndentStyle& style) {
    QTextCursor cursor = editor.textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertText(TabInsertion(VisualColumn(beforeCaret(cursor), style.width), style));
    cursor.endEditBlock();
    editor.setTextCursor(cursor);
}

bool spansLines(const QTextCursor& cursor) {
    const QTextDocument& document = *cursor.document();
    return document.findBlock(cursor.selectionStart()) != document.findBlock(cursor.selectionEnd());
}

} // namespace

bool HandleIndentKey(QPlainTextEdit& editor, const QKeyEvent& key, const IndentStyle& style,
                     SyntaxLanguage language) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        breakLine(editor, style, language);
        return true;
    }
    if (key.key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
        if (spansLines(editor.textCursor()))
            IndentSelectedLines(editor, style, false);
        else
            insertTab(editor, style);
        return true;
    }
    if (key.key() == Qt::Key_Backtab) {
        IndentSelectedLines(editor, style, true);
        return true;
    }
    if (key.text() == u"}")
        return closeBrace(editor, style, language);
    return false;
}

std::pair<QTextBlock, QTextBlock> SelectedLines(const QPlainTextEdit& editor) {
    const QTextDocument& document = *editor.document();
    const QTextCursor selection = editor.textCursor();
    const QTextBlock first = document.findBlock(selection.selectionStart());
    QTextBlock last = document.findBlock(selection.selectionEnd());
    if (last != first && selection.selectionEnd() == last.position())
        last = last.previous();
    return {first, last};
}

void IndentSelectedLines(QPlainTextEdit& editor, const IndentStyle& style, bool outdent) {
    QTextDocument& document = *editor.document();
    const QTextCursor selection = editor.textCursor();
    const auto [first, last] = SelectedLines(editor);
    const bool wholeLines = selection.hasSelection();
    const QString unit = IndentUnit(style);
    QTextCursor edit(&document);
    edit.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (outdent) {
            edit.setPosition(block.position());
            edit.setPosition(block.position() + OutdentLength(line, style),
                             QTextCursor::KeepAnchor);
            edit.removeSelectedText();
        } else if (!line.trimmed().isEmpty()) {
            edit.setPosition(block.position());
            edit.insertText(unit);
        }
        if (block == last)
            break;
    }
    edit.endEditBlock();
    if (wholeLines) {
        QTextCursor lines(&document);
        lines.setPosition(first.position());
        lines.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        editor.setTextCursor(lines);
    }
}

} // namespace orvane
