#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// Java lines: when every line that is not blank starts with "//", takes the "//" (and one blank
// after it) off; otherwise puts "// " in front of each of them, at the smallest indentation
// among them so the block stays lined up. Blank lines stay as they are.
QStringList ToggleLineComments(const QStringList& lines);

// HTML: "<!-- " and " -->" around `text`, or off again when `text`, blanks aside, is one such
// comment.
QString ToggleHtmlComment(const QString& text);

} // namespace orvane
