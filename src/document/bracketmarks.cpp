#include "document/bracketmarks.h"

#include "document/bracketmatch.h"
#include "document/paletteblend.h"
#include "document/syntaxhighlighter.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace orvane {

namespace {

bool isBracket(QChar c) {
    return QStringView(u"()[]{}").contains(c);
}

// One character at `position` of the caret's document.
QTextEdit::ExtraSelection mark(const QTextCursor& caret, int position,
                               const QTextCharFormat& format) {
    QTextEdit::ExtraSelection selection;
    selection.cursor = caret;
    selection.cursor.setPosition(position);
    selection.cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    selection.format = format;
    return selection;
}

} // namespace

QList<QTextEdit::ExtraSelection> BracketMarks(const QPlainTextEdit& editor,
                                              SyntaxLanguage language) {
    const QTextCursor caret = editor.textCursor();
    if (caret.hasSelection())
        return {};
    const QTextDocument& document = *editor.document();
    const QTextBlock block = caret.block();
    const QString text = block.text();
    const ColouredLine colouring = ColourLine(language, text, SyntaxHighlighter::startState(block));
    int column = -1;
    for (const int candidate : {caret.positionInBlock(), caret.positionInBlock() - 1}) {
        if (candidate >= 0 && candidate < text.size() && isBracket(text[candidate]) &&
            IsCodeColumn(colouring, candidate)) {
            column = candidate;
            break;
        }
    }
    if (column < 0)
        return {};
    const BracketSource source{
        language, document.blockCount(),
        [&document](int line) { return document.findBlockByNumber(line).text(); },
        [&document](int line) {
            return SyntaxHighlighter::startState(document.findBlockByNumber(line));
        }};
    const std::optional<TextPlace> partner = MatchingBracket(source, {block.blockNumber(), column});
    const QPalette& colours = editor.palette();
    QTextCharFormat format;
    if (!partner) {
        format.setBackground(Blend(colours.color(QPalette::Base), QColor(220, 30, 30), 0.6f));
        format.setForeground(colours.color(QPalette::Base));
        return {mark(caret, block.position() + column, format)};
    }
    format.setBackground(
        Blend(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.4f));
    format.setFontWeight(QFont::Bold);
    return {mark(caret, block.position() + column, format),
            mark(caret, document.findBlockByNumber(partner->line).position() + partner->column,
                 format)};
}

} // namespace orvane
