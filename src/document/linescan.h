#pragma once

#include "document/syntaxcolouring.h"

#include <QStringView>

namespace orvane {

inline bool IsHexDigit(QChar c) {
    return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
}

// Collects the spans of one line in the order they are found.
class LineScan {
public:
    explicit LineScan(QStringView line) : line_(line) {}

    QStringView line() const { return line_; }
    int size() const { return int(line_.size()); }
    QChar at(int i) const { return i < size() ? line_[i] : QChar(); }
    bool startsAt(int i, QStringView text) const { return line_.sliced(i).startsWith(text); }
    int find(QStringView text, int from) const { return int(line_.indexOf(text, from)); }

    void add(int start, int end, SyntaxKind kind) {
        if (end > start)
            result.spans.append({start, end - start, kind});
    }

    ColouredLine result;

private:
    QStringView line_;
};

} // namespace orvane
