#pragma once

#include "document/syntaxcolouring.h"

namespace orvane {

// ColourLine for HTML: tags, attributes, values, comments and entities; the content of script
// and style elements stays plain.
ColouredLine ColourHtmlLine(QStringView line, int startState);

} // namespace orvane
