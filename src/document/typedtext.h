#pragma once

#include <QString>

namespace orvane {

// What the user types into a box is used as typed, less the blanks these rules take away. Only
// blanks (character 32) count: tabs and other white space stay.

// `text` without its leading and trailing blanks.
QString TrimBlanks(const QString& text);

// A name box's clean-up when it loses the focus: removes the first 15 blanks it finds, wherever
// they stand, so a longer run of blanks needs another loss of focus.
QString RemoveNameBlanks(const QString& text);

} // namespace orvane
