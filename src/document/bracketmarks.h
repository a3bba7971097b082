#pragma once

#include "document/syntaxcolouring.h"

#include <QList>
#include <QTextEdit>

class QPlainTextEdit;

namespace orvane {

// The marks for the bracket beside the caret (the one after it first) and its partner, or for
// the bracket alone in the error colour when it has none. Brackets in strings and comments get
// none.
QList<QTextEdit::ExtraSelection> BracketMarks(const QPlainTextEdit& editor,
                                              SyntaxLanguage language);

} // namespace orvane
