#include "document/printlayout.h"

#include <cmath>

namespace orvane {

namespace {

// Tab stops are counted from here, ten widths of "0" apart.
constexpr double tabOrigin = 750;
constexpr double tabColumns = 10;

bool isWordCharacter(QChar c) {
    return c.unicode() > u' ';
}

// Code units of the character starting at `at`: a surrogate pair is one character.
qsizetype characterLength(QStringView text, qsizetype at) {
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()
               ? 2
               : 1;
}

class PrintCursor {
public:
    PrintCursor(const PrintMetrics& metrics, PrintPages& pages)
        : metrics_(metrics), pages_(pages), tabUnit_(tabUnit(metrics)) {}

    void printWord(QStringView word) {
        const double width = metrics_.textWidth(word);
        if (x_ + width <= metrics_.pageWidth) {
            draw(word, width);
            return;
        }
        if (x_ > 0)
            newLine();
        if (width <= metrics_.pageWidth)
            draw(word, width);
        else
            printLongWord(word);
    }

    void printSeparator(QChar c) {
        if (c == u' ')
            x_ += metrics_.textWidth(u" ");
        else if (c == u'\n')
            newLine();
        else if (c == u'\t')
            moveToNextTabStop();
    }

private:
    void draw(QStringView text, double width) {
        if (!text.isEmpty())
            pages_.words.append({page_, x_, y_, text.toString()});
        x_ += width;
    }

    // Fills each line up to the right edge with as much of the word as fits, at least one
    // character, and carries the rest on to the next line.
    void printLongWord(QStringView word) {
        qsizetype start = 0;
        double width = 0;
        for (qsizetype at = 0; at < word.size();) {
            const qsizetype length = characterLength(word, at);
            const double next = metrics_.textWidth(word.mid(at, length));
            if (at > start && x_ + width + next > metrics_.pageWidth) {
                draw(word.mid(start, at - start), width);
                newLine();
                start = at;
                width = 0;
            }
            width += next;
            at += length;
        }
        draw(word.mid(start), width);
    }

    void newLine() {
        x_ = 0;
        y_ += metrics_.lineHeight;
        if (y_ + metrics_.lineHeight > metrics_.pageHeight) {
            ++page_;
            pages_.pageCount = page_ + 1;
            y_ = 0;
        }
    }

    // Tab stops are measured in widths of "0"; a font that draws "0" with no width (or a printer
    // that reports none) measures them in blanks, and with neither a tab moves nothing.
    static double tabUnit(const PrintMetrics& metrics) {
        const double zero = metrics.textWidth(u"0");
        if (std::isfinite(zero) && zero > 0)
            return zero;
        const double blank = metrics.textWidth(u" ");
        return std::isfinite(blank) && blank > 0 ? blank : 0;
    }

    void moveToNextTabStop() {
        if (tabUnit_ <= 0)
            return;
        // Halves round to the even neighbour; the remainder keeps the sign of the column, so a
        // tab left of the origin lands on the first stop after it.
        double column = std::nearbyint((x_ - tabOrigin) / tabUnit_);
        column += tabColumns - std::fmod(column, tabColumns);
        x_ = tabUnit_ * column + tabOrigin;
    }

    const PrintMetrics& metrics_;
    PrintPages& pages_;
    const double tabUnit_;
    int page_ = 0;
    double x_ = 0;
    double y_ = 0;
};

} // namespace

PrintPages LayOutPrintText(QStringView text, const PrintMetrics& metrics) {
    PrintPages pages;
    PrintCursor cursor(metrics, pages);
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        while (i < text.size() && isWordCharacter(text.at(i)))
            ++i;
        cursor.printWord(text.mid(start, i - start));
        for (; i < text.size() && !isWordCharacter(text.at(i)); ++i)
            cursor.printSeparator(text.at(i));
    }
    return pages;
}

} // namespace orvane
