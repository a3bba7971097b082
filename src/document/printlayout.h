#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

namespace orvane {

// The printer as the layout sees it, all lengths in twips: the printable area, one line of the
// printer font, and the width of a text in that font.
struct PrintMetrics {
    double pageWidth = 0;
    double pageHeight = 0;
    double lineHeight = 0;
    std::function<double(QStringView)> textWidth;
};

// A piece of text placed at (x, y) from the top-left corner of the printable area of `page`
// (counted from 0).
struct PrintedWord {
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;

    friend bool operator==(const PrintedWord&, const PrintedWord&) = default;
};

struct PrintPages {
    QList<PrintedWord> words;
    int pageCount = 1;
};

// Lays `text` out as one print job: words wrapped at the right edge (a word wider than the line
// is broken there), line feeds honoured, tabs expanded to fixed stops, and a new page before a
// line that would not fit whole on the page.
PrintPages LayOutPrintText(QStringView text, const PrintMetrics& metrics);

} // namespace orvane
