#include "toolchain/outputhistory.h"

#include <algorithm>

namespace orvane {

namespace {

// Where the escape sequence starting at `at` ends, just past it; -1 when the text ends first.
// A sequence longer than this is no terminal's: what follows is shown, so nothing is held forever.
constexpr qsizetype kLongestEscape = 256;

qsizetype EscapeEnd(const QString& text, qsizetype at) {
    if (at + 1 >= text.size())
        return -1;
    const qsizetype last = std::min(text.size(), at + kLongestEscape);
    const QChar kind = text.at(at + 1);
    if (kind == u'[') {
        // Control sequence: parameters and intermediates, then one final character.
        for (qsizetype i = at + 2; i < last; ++i) {
            if (text.at(i).unicode() >= 0x40 && text.at(i).unicode() <= 0x7e)
                return i + 1;
        }
        return last == text.size() ? -1 : last;
    }
    if (kind == u']') {
        // Operating system command, a window title say: up to BEL or ESC \.
        for (qsizetype i = at + 2; i < last; ++i) {
            if (text.at(i) == u'\a')
                return i + 1;
            if (text.at(i) == u'\x1b' && i + 1 < text.size() && text.at(i + 1) == u'\\')
                return i + 2;
        }
        return last == text.size() ? -1 : last;
    }
    return at + 2;
}

} // namespace

QString TerminalText::feed(const QString& chunk) {
    const QString text = pending_ + chunk;
    pending_.clear();
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\x1b') {
            const qsizetype end = EscapeEnd(text, i);
            if (end < 0) {
                pending_ = text.mid(i);
                break;
            }
            i = end - 1;
        } else if (c == u'\r' && i + 1 == text.size()) {
            pending_ = c;
        } else if (c != u'\r' || text.at(i + 1) != u'\n') {
            shown.append(c);
        }
    }
    return shown;
}

FittedOutput FitOutput(const QString& text, int column, const OutputLimits& limits) {
    FittedOutput fitted;
    fitted.text.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r') {
            column = 0;
        } else if (column == limits.lineLength) {
            fitted.text.append(u'\n');
            column = 1;
        } else {
            ++column;
        }
        fitted.text.append(c);
    }
    // Keep the end that fits; a cut falls on a line break, so the first line kept is whole.
    const qsizetype size = fitted.text.size();
    qsizetype cut = 0;
    if (size > limits.characters) {
        const qsizetype lineBreak = fitted.text.indexOf(u'\n', size - limits.characters - 1);
        cut = lineBreak < 0 ? size : lineBreak + 1;
    }
    qsizetype from = size;
    for (int lines = 0; lines < limits.lines && from > cut; ++lines)
        from = from >= 2 ? fitted.text.lastIndexOf(u'\n', from - 2) + 1 : 0;
    cut = std::max(cut, from);
    if (cut > 0) {
        fitted.droppedLines = static_cast<int>(QStringView(fitted.text).left(cut).count(u'\n'));
        fitted.text.remove(0, cut);
    }
    return fitted;
}

QString DroppedLinesNote(qint64 droppedLines) {
    return QStringLiteral("(%1 earlier lines dropped: the pane keeps the most recent output)")
        .arg(droppedLines);
}

} // namespace orvane
