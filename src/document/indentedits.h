#pragma once

#include "document/indentrules.h"
#include "document/syntaxcolouring.h"

class QKeyEvent;
class QPlainTextEdit;

namespace orvane {

// The keys that indent as code editors do: Enter keeps the line's indentation (one level more
// after "{"), "}" first on a line takes a level off, Tab and Shift+Tab indent the selected lines.
// Each is one step for Undo. False for any other key, which the editor then handles itself.
bool HandleIndentKey(QPlainTextEdit& editor, const QKeyEvent& key, const IndentStyle& style,
                     SyntaxLanguage language);

// One level more (or, with `outdent`, one less) on every line the selection touches; they stay
// selected so the key can be pressed again.
void IndentSelectedLines(QPlainTextEdit& editor, const IndentStyle& style, bool outdent);

} // namespace orvane
