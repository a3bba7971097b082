#include "toolchain/diagnosticspan.h"

#include <algorithm>

namespace orvane {

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

bool isOperatorCharacter(QChar c) {
    return QStringView(u"=<>!&|+-*/%^~?:").contains(c);
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The end of the token that starts at `start`.
int tokenEnd(QStringView line, int start) {
    const int length = static_cast<int>(line.size());
    const QChar first = line.at(start);
    int end = start + 1;
    if (isWordCharacter(first)) {
        while (end < length && isWordCharacter(line.at(end)))
            ++end;
    } else if (first == u'"' || first == u'\'') {
        while (end < length && line.at(end) != first) {
            if (line.at(end) == u'\\')
                ++end;
            ++end;
        }
        end = std::min(end + 1, length);
    } else if (isOperatorCharacter(first)) {
        while (end < length && isOperatorCharacter(line.at(end)))
            ++end;
    }
    return end;
}

} // namespace

MarkedSpan DiagnosticSpan(QStringView line, int column, int endColumn) {
    const int length = static_cast<int>(line.size());
    const int start = std::clamp(column - 1, 0, length);
    if (endColumn - 1 > start && endColumn - 1 <= length)
        return {start, endColumn - 1};
    if (start < length && !isBlank(line.at(start)))
        return {start, tokenEnd(line, start)};
    int end = start;
    while (end > 0 && isBlank(line.at(end - 1)))
        --end;
    if (end == 0) {
        // Only blanks before the caret: the first token after it, if any.
        int first = start;
        while (first < length && isBlank(line.at(first)))
            ++first;
        return first < length ? MarkedSpan{first, tokenEnd(line, first)} : MarkedSpan{};
    }
    int begin = end - 1;
    if (isWordCharacter(line.at(begin))) {
        while (begin > 0 && isWordCharacter(line.at(begin - 1)))
            --begin;
    }
    return {begin, end};
}

} // namespace orvane
