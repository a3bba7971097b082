#include "document/typedtext.h"

namespace orvane {

namespace {

constexpr int blanksPerLossOfFocus = 15;

} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

QString RemoveNameBlanks(const QString& text) {
    QString cleaned = text;
    for (int removed = 0; removed < blanksPerLossOfFocus; ++removed) {
        const qsizetype blank = cleaned.indexOf(u' ');
        if (blank < 0)
            break;
        cleaned.remove(blank, 1);
    }
    return cleaned;
}

} // namespace orvane
