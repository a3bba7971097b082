#pragma once

#include "document/indentrules.h"
#include "document/syntaxcolouring.h"

#include <QTextBlock>

#include <utility>

class QKeyEvent;
class QPlainTextEdit;

namespace orvane {

// The keys that indent as code editors do: Enter keeps the line's indentation (one level more
// after "{"), "}" first on a line takes a level off, Tab and Shift+Tab indent the selected lines.
// Each is one step for Undo. False for any other key, which the editor then handles itself.
bool HandleIndentKey(QPlainTextEdit& editor, const QKeyEvent& key, const IndentStyle& style,
                     SyntaxLanguage language);

// The first and last line `editor`'s selection touches; a selection that ends at the start of a
// line leaves that line out.
std::pair<QTextBlock, QTextBlock> SelectedLines(const QPlainTextEdit& editor);

// One level more (or, with `outdent`, one less) on every line the selection touches; they stay
// selected so the key can be pressed again.
void IndentSelectedLines(QPlainTextEdit& editor, const IndentStyle& style, bool outdent);

} // namespace orvane
