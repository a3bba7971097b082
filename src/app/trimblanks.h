#pragma once

#include <QString>

namespace orvane {

// Removes leading and trailing blanks only; tabs and other white space belong to the text.
inline QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace orvane
