#include "document/printcommand.h"

#include "document/documentwindow.h"
#include "document/errorreport.h"
#include "document/errortrap.h"
#include "document/printlayout.h"
#include "document/workspace.h"
#include "platform/desktop.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace orvane {

namespace {

constexpr double twipsPerInch = 1440;

QFont printerFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(11);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// One print job on the default printer: the layout in twips, drawn in the printer's pixels.
class PrintJob {
public:
    explicit PrintJob(Desktop& desktop) : desktop_(desktop) {}

    int findPrinter() {
        printer_ = desktop_.defaultPrinter();
        return printer_ ? 0 : ErrorNumber::PrinterError;
    }

    int start() {
        if (!printer_ || !painter_.begin(printer_.get()))
            return ErrorNumber::PrinterError;
        painter_.setFont(printerFont());
        return 0;
    }

    int layOut(const QString& text) {
        if (!painter_.isActive())
            return ErrorNumber::PrinterError;
        const QFontMetricsF metrics(painter_.font(), printer_.get());
        const double twipsPerPixel = twipsPerInch / printer_->resolution();
        pixelsPerTwip_ = 1 / twipsPerPixel;
        ascent_ = metrics.ascent();
        pages_ = LayOutPrintText(
            text, {printer_->width() * twipsPerPixel, printer_->height() * twipsPerPixel,
                   metrics.lineSpacing() * twipsPerPixel, [&metrics, twipsPerPixel](QStringView s) {
                       return metrics.horizontalAdvance(s.toString()) * twipsPerPixel;
                   }});
        return 0;
    }

    // Goes on from the word it stopped at, so a retried page is not printed twice.
    int draw() {
        for (; next_ < pages_.words.size(); ++next_) {
            const PrintedWord& word = pages_.words.at(next_);
            for (; page_ < word.page; ++page_) {
                if (!printer_->newPage())
                    return ErrorNumber::PrinterError;
            }
            painter_.drawText(QPointF(word.x * pixelsPerTwip_, word.y * pixelsPerTwip_ + ascent_),
                              word.text);
        }
        return 0;
    }

    int finish() {
        if (!painter_.isActive())
            return 0;
        return painter_.end() ? 0 : ErrorNumber::PrinterError;
    }

    // A job the user gave up on is cancelled, not left open or sent half done.
    void cancel() {
        if (!painter_.isActive())
            return;
        printer_->abort();
        painter_.end();
    }

private:
    Desktop& desktop_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    PrintPages pages_;
    double pixelsPerTwip_ = 0;
    double ascent_ = 0;
    qsizetype next_ = 0;
    int page_ = 0;
};

} // namespace

void PrintText(Desktop& desktop, const QString& text) {
    PrintJob job(desktop);
    const bool printed = RunTrappedSteps(desktop, {
                                                      [&] { return job.findPrinter(); },
                                                      [&] { return job.start(); },
                                                      [&] { return job.layOut(text); },
                                                      [&] { return job.draw(); },
                                                      [&] { return job.finish(); },
                                                  });
    if (!printed)
        job.cancel();
}

void PrintDocument(Workspace& workspace) {
    DocumentWindow* window = workspace.activeDocument();
    if (!window)
        return;
    Desktop& desktop = workspace.desktop();
    const QString question = QStringLiteral("Ready to print: [") + window->caption().toUpper() +
                             QStringLiteral("].\r\n\r\nDo you want to print it now?");
    if (desktop.showMessage({question, QStringLiteral("Orvane"), MessageButtons::YesNo,
                             MessageIcon::Question}) != MessageAnswer::Yes)
        return;
    const DocumentText document = window->text();
    PrintText(desktop, document.selLength() > 0 ? document.selText() : document.text());
}

} // namespace orvane
