#include "document/codeeditor.h"

#include "document/paletteblend.h"
#include "document/syntaxhighlighter.h"

#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QToolTip>
#include <QUrl>

#include <algorithm>

namespace orvane {

class LineNumberGutter final : public QWidget {
public:
    explicit LineNumberGutter(CodeEditor& editor) : QWidget(&editor), editor_(editor) {
        setObjectName(QStringLiteral("lineNumbers"));
    }

    QSize sizeHint() const override { return {editor_.gutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_.paintGutter(*event); }
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return QWidget::event(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = editor_.gutterToolTip(help->pos().y());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }

private:
    CodeEditor& editor_;
};

namespace {

constexpr int gutterPadding = 4;

} // namespace

CodeEditor::CodeEditor(QWidget* parent)
    : QPlainTextEdit(parent), gutter_(new LineNumberGutter(*this)),
      highlighter_(new SyntaxHighlighter(*document(), palette())) {
    connect(this, &QPlainTextEdit::blockCountChanged, this, &CodeEditor::updateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &CodeEditor::updateGutter);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CodeEditor::markCurrentLine);
    updateGutterWidth();
    markCurrentLine();
}

void CodeEditor::setShowLineNumbers(bool show) {
    lineNumbers_ = show;
    gutter_->setVisible(show);
    updateGutterWidth();
}

void CodeEditor::setShowCurrentLine(bool show) {
    currentLine_ = show;
    markCurrentLine();
}

int CodeEditor::gutterWidth() const {
    if (!lineNumbers_)
        return 0;
    const int digits = std::max(2, int(QString::number(blockCount()).size()));
    return 2 * gutterPadding + signRoom() + fontMetrics().horizontalAdvance(u'9') * digits;
}

// Room on the gutter's left for a sign, kept whether or not there is one, so the text does not
// jump sideways as signs come and go.
int CodeEditor::signRoom() const {
    return fontMetrics().ascent();
}

void CodeEditor::updateGutterWidth() {
    setViewportMargins(gutterWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    gutter_->setGeometry(area.left(), area.top(), gutterWidth(), area.height());
}

void CodeEditor::updateGutter(const QRect& rect, int dy) {
    if (dy != 0)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
}

bool CodeEditor::canInsertFromMimeData(const QMimeData* source) const {
    const QList<QUrl> urls = source->urls();
    const bool files =
        std::any_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); });
    return !files && QPlainTextEdit::canInsertFromMimeData(source);
}

void CodeEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    updateGutterWidth();
}

// The gutter follows the editor's font; the band and the colours follow the palette.
void CodeEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        gutter_->setFont(font());
        updateGutterWidth();
    } else if (event->type() == QEvent::PaletteChange) {
        highlighter_->setPalette(palette());
        markCurrentLine();
    }
}

void CodeEditor::paintGutter(QPaintEvent& event) {
    QPainter painter(gutter_);
    const QPalette& colours = palette();
    painter.fillRect(event.rect(),
                     Blend(colours.color(QPalette::Base), colours.color(QPalette::Text), 0.06f));
    painter.setPen(Blend(colours.color(QPalette::Text), colours.color(QPalette::Base), 0.5f));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event.rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event.rect().top())
            painter.drawText(0, top, gutter_->width() - gutterPadding, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        top += height;
        block = block.next();
    }
    const int first = firstVisibleBlock().blockNumber();
    for (const GutterSign& sign : signs_) {
        const QTextBlock line = sign.at.block();
        if (line.isValid() && line.blockNumber() >= first && line.isVisible())
            paintSign(painter, sign,
                      qRound(blockBoundingGeometry(line).translated(contentOffset()).top()));
    }
}

void CodeEditor::paintSign(QPainter& painter, const GutterSign& sign, int top) const {
    const int size = signRoom() * 3 / 4;
    const QRectF box(gutterPadding / 2.0, top + (fontMetrics().height() - size) / 2.0, size, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(sign.colour, 1.5));
    painter.setBrush(sign.shape == GutterSign::Shape::Ring ? Qt::NoBrush : QBrush(sign.colour));
    if (sign.shape == GutterSign::Shape::Triangle) {
        QPainterPath triangle;
        triangle.moveTo(box.center().x(), box.top());
        triangle.lineTo(box.bottomRight());
        triangle.lineTo(box.bottomLeft());
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else {
        painter.drawEllipse(box);
    }
    painter.restore();
}

void CodeEditor::setGutterSigns(const QList<GutterSign>& signs) {
    signs_ = signs;
    gutter_->update();
}

QString CodeEditor::gutterToolTip(int y) const {
    const int line = cursorForPosition(QPoint(0, y)).blockNumber();
    QStringList tips;
    for (const GutterSign& sign : signs_) {
        if (sign.at.blockNumber() == line)
            tips.append(sign.toolTip);
    }
    return tips.join(u'\n');
}

void CodeEditor::markCurrentLine() {
    QList<QTextEdit::ExtraSelection> band;
    if (currentLine_) {
        QTextEdit::ExtraSelection line;
        line.format.setBackground(
            Blend(palette().color(QPalette::Base), palette().color(QPalette::Highlight), 0.12f));
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        line.cursor = textCursor();
        line.cursor.clearSelection();
        band.append(line);
    }
    setLayer(EditorLayer::CurrentLine, band);
}

void CodeEditor::setLayer(EditorLayer which, const QList<QTextEdit::ExtraSelection>& marks) {
    layers_[static_cast<size_t>(which)] = marks;
    QList<QTextEdit::ExtraSelection> all;
    for (const auto& marksOfLayer : layers_)
        all.append(marksOfLayer);
    setExtraSelections(all);
}

const QList<QTextEdit::ExtraSelection>& CodeEditor::layer(EditorLayer which) const {
    return layers_[static_cast<size_t>(which)];
}

} // namespace orvane
