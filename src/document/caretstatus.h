#pragma once

#include "document/textformat.h"

#include <QString>

namespace orvane {

// "Ln 12, Col 5": the caret's line and column, both from 1.
QString CaretPlaceText(int line, int column);

// "CR LF", "LF" or "CR".
QString LineBreakName(TextFormat::LineBreak lineBreak);

// The file's encoding and line breaks: "UTF-8 · CR LF".
QString FileFormatText(const TextFormat& format);

} // namespace orvane
