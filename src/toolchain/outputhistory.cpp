#include "toolchain/outputhistory.h"

#include <algorithm>

namespace orvane {

FittedOutput FitOutput(const QString& text, int column, const OutputLimits& limits) {
    FittedOutput fitted;
    fitted.text.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\r')
            continue;
        if (c == u'\n') {
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
