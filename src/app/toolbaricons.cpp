#include "app/toolbaricons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QTransform>

#include <array>
#include <initializer_list>
#include <span>

namespace orvane {

namespace {

// Every drawing works on a 16 x 16 grid; 1-unit outlines sit on half coordinates so they land on
// whole pixels at 16 and at 32.
using DrawFn = void (*)(QPainter&);

constexpr QColor kOutline{0x40, 0x40, 0x40};
constexpr QColor kPaper{0xff, 0xff, 0xff};
constexpr QColor kFace{0xe0, 0xe0, 0xe0};
constexpr QColor kTrack{0xf2, 0xf2, 0xf2};
constexpr QColor kShade{0x9a, 0x9a, 0x9a};
constexpr QColor kBlue{0x2f, 0x6f, 0xc4};
constexpr QColor kLightBlue{0xa9, 0xcc, 0xf0};
constexpr QColor kGreen{0x2e, 0xa0, 0x3c};
constexpr QColor kFolder{0xf4, 0xcd, 0x55};
constexpr QColor kFolderBack{0xd9, 0xa6, 0x2c};
constexpr QColor kWood{0xbb, 0x84, 0x4c};
constexpr QColor kRed{0xc8, 0x3a, 0x32};

QPen Stroke(const QColor& color, qreal width = 1, Qt::PenCapStyle cap = Qt::FlatCap) {
    return QPen(color, width, Qt::SolidLine, cap, Qt::MiterJoin);
}

void Box(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 0) {
    p.setPen(Stroke(kOutline));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void Shape(QPainter& p, const QPolygonF& outline, const QColor& fill) {
    p.setPen(Stroke(kOutline));
    p.setBrush(fill);
    p.drawPolygon(outline);
}

// A sheet of paper with its top-right corner folded over.
void Page(QPainter& p, const QRectF& r, qreal fold) {
    const QPointF foldTop(r.right() - fold, r.top());
    const QPointF foldSide(r.right(), r.top() + fold);
    Shape(p, {r.topLeft(), foldTop, foldSide, r.bottomRight(), r.bottomLeft()}, kPaper);
    Shape(p, {foldTop, {foldTop.x(), foldSide.y()}, foldSide}, kFace);
}

// Short strokes that read as lines of text.
void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count,
               const QColor& color = kShade) {
    p.setPen(Stroke(color));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
}

void DrawNew(QPainter& p) {
    Page(p, {3.5, 1.5, 9, 13}, 4);
}

void DrawOpen(QPainter& p) {
    Shape(p, {{1.5, 2.5}, {5.5, 2.5}, {6.5, 3.5}, {12.5, 3.5}, {12.5, 13.5}, {1.5, 13.5}},
          kFolderBack);
    Shape(p, {{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}, kFolder);
}

void DrawSave(QPainter& p) {
    Shape(p, {{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}}, kBlue);
    Box(p, {3.5, 1.5, 9, 6}, kPaper);
    TextLines(p, 5, 11, 3.5, 2);
    Box(p, {4.5, 9.5, 7, 5}, kFace);
    p.fillRect(QRectF(8, 10, 2, 3), kOutline);
}

void DrawPrint(QPainter& p) {
    Box(p, {4.5, 1.5, 7, 6}, kPaper);
    Box(p, {1.5, 6.5, 13, 6}, kFace, 1);
    p.fillRect(QRectF(12, 8, 1, 1), kGreen);
    Box(p, {3.5, 10.5, 9, 4}, kPaper);
    TextLines(p, 5, 11, 12.5, 1);
}

void DrawCut(QPainter& p) {
    p.setPen(Stroke(kOutline, 1.5, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 9.5), QPointF(11, 1.5));
    p.drawLine(QPointF(10.5, 9.5), QPointF(5, 1.5));
    p.setPen(Stroke(kRed, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void DrawCopy(QPainter& p) {
    Page(p, {1.5, 1.5, 8, 10}, 3);
    TextLines(p, 3, 6, 6.5, 2);
    Page(p, {6.5, 4.5, 8, 10}, 3);
    TextLines(p, 8, 13, 9.5, 3, kBlue);
}

void DrawPaste(QPainter& p) {
    Box(p, {1.5, 2.5, 11, 12}, kWood, 1);
    Box(p, {4.5, 1.5, 5, 3}, kFace, 1);
    Page(p, {6.5, 6.5, 8, 8}, 3);
    TextLines(p, 8, 13, 10.5, 2);
}

void DrawFind(QPainter& p) {
    p.setPen(Stroke(kOutline, 2.5, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14, 14));
    p.setPen(Stroke(kOutline, 1.5));
    p.setBrush(kLightBlue);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(Stroke(kPaper, 1.2, Qt::RoundCap));
    p.drawArc(QRectF(4, 4, 5, 5), 100 * 16, 70 * 16);
}

void DrawHelp(QPainter& p) {
    p.setPen(Stroke(kOutline));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    const QRectF hook(5.5, 3.5, 5, 5);
    QPainterPath mark;
    mark.arcMoveTo(hook, 160);
    mark.arcTo(hook, 160, -230);
    mark.lineTo(8, 9.5);
    p.setPen(Stroke(kPaper, 1.8, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 12), 1.1, 1.1);
}

void DrawPreview(QPainter& p) {
    const QPointF centre(8, 8);
    p.setPen(Stroke(kOutline));
    p.setBrush(kLightBlue);
    p.drawEllipse(centre, 6.5, 6.5);
    QPainterPath globe;
    globe.addEllipse(centre, 6.5, 6.5);
    p.setClipPath(globe);
    p.setPen(Stroke(kBlue));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 3, 6.5);
    for (qreal y : {4.5, 11.5})
        p.drawLine(QPointF(1, y), QPointF(15, y));
}

void DrawRun(QPainter& p) {
    p.setPen(Stroke(kOutline));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF{{4.5, 2.5}, {13.5, 8}, {4.5, 13.5}});
}

void DrawLabel(QPainter& p) {
    p.setPen(Stroke(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{3, 13}, {8, 2}, {13, 13}});
    p.drawLine(QPointF(5, 9), QPointF(11, 9));
    p.setPen(Stroke(kBlue));
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
}

// Thick stem, hairline arms and bracketed serifs, drawn on whole pixels so it stays sharp.
void DrawFont(QPainter& p) {
    for (const QRectF& r : {QRectF(3, 2, 10, 1), QRectF(5, 3, 2, 10), QRectF(3, 13, 6, 1),
                            QRectF(12, 3, 1, 2), QRectF(7, 7, 4, 1), QRectF(10, 6, 1, 3)})
        p.fillRect(r, kRed);
}

void DrawTextField(QPainter& p) {
    Box(p, {1.5, 4.5, 13, 7}, kPaper);
    TextLines(p, 3, 6, 8.5, 1);
    for (const QRectF& r : {QRectF(8, 6, 1, 5), QRectF(7, 6, 3, 1), QRectF(7, 10, 3, 1)})
        p.fillRect(r, kBlue);
}

void DrawTextArea(QPainter& p) {
    Box(p, {1.5, 1.5, 13, 13}, kPaper);
    TextLines(p, 3, 9, 3.5, 5);
    Box(p, {10.5, 1.5, 4, 13}, kTrack);
    p.fillRect(QRectF(11, 5, 3, 4), kBlue);
}

void DrawCheckbox(QPainter& p) {
    Box(p, {2.5, 2.5, 11, 11}, kPaper);
    p.setPen(Stroke(kGreen, 2, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{5, 8}, {7, 10.5}, {11, 5}});
}

void DrawRadio(QPainter& p) {
    p.setPen(Stroke(kOutline));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
}

void DrawButton(QPainter& p) {
    Box(p, {1.5, 3.5, 13, 9}, kFace, 2);
    p.setPen(Stroke(kPaper));
    p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
    p.setPen(Stroke(kShade));
    p.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
    TextLines(p, 5, 11, 8.5, 1, kOutline);
}

void DrawScrollbar(QPainter& p) {
    Box(p, {0.5, 4.5, 15, 7}, kTrack);
    Box(p, {0.5, 4.5, 5, 7}, kFace);
    Box(p, {10.5, 4.5, 5, 7}, kFace);
    Box(p, {6.5, 4.5, 3, 7}, kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawPolygon(QPolygonF{{1.5, 8}, {4.5, 5.5}, {4.5, 10.5}});
    p.drawPolygon(QPolygonF{{14.5, 8}, {11.5, 5.5}, {11.5, 10.5}});
}

// A page of text, for the document windows.
void DrawDocument(QPainter& p) {
    Page(p, {2.5, 0.5, 11, 15}, 4);
    TextLines(p, 4.5, 9, 3.5, 1);
    TextLines(p, 4.5, 11.5, 6.5, 4);
}

// The launcher's picture (resources/orvane.svg), drawn on its 64 x 64 grid: a page with a band
// of braces, for the frame.
void DrawProgram(QPainter& p) {
    p.scale(0.25, 0.25);
    const QPen outline(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF{{12, 4}, {42, 4}, {54, 16}, {54, 60}, {12, 60}});
    p.setBrush(QColor(0xd0, 0xd8, 0xe2));
    p.drawPolygon(QPolygonF{{42, 4}, {42, 16}, {54, 16}});
    p.fillRect(QRectF(13, 22, 40, 22), QColor(0x2f, 0x6d, 0xb5));

    QPainterPath braces;
    braces.moveTo(27, 26);
    braces.cubicTo(23, 26, 23, 28, 23, 31);
    braces.cubicTo(23, 34, 21, 33, 21, 33);
    braces.cubicTo(21, 33, 23, 33, 23, 35);
    braces.cubicTo(23, 37, 23, 40, 27, 40);
    braces.addPath(QTransform(-1, 0, 0, 1, 66, 0).map(braces));
    p.setPen(QPen(kPaper, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(braces);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd3, 0x4d));
    p.drawEllipse(QPointF(33, 33), 2.4, 2.4);

    p.setPen(QPen(QColor(0x8a, 0x96, 0xa6), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 50), QPointF(46, 50));
    p.drawLine(QPointF(18, 55), QPointF(38, 55));
}

constexpr std::array<DrawFn, 11> kStandard{DrawNew,  DrawOpen,    DrawSave,  DrawPrint,
                                           DrawCut,  DrawCopy,    DrawPaste, DrawFind,
                                           DrawHelp, DrawPreview, DrawRun};

constexpr std::array<DrawFn, 8> kObject{DrawLabel,    DrawFont,  DrawTextField, DrawTextArea,
                                        DrawCheckbox, DrawRadio, DrawButton,    DrawScrollbar};

// Draws the picture only when it is first shown, at the size it is shown, so start-up pays for
// the sixteen-pixel toolbar images alone.
class DrawnIconEngine final : public QIconEngine {
public:
    DrawnIconEngine(DrawFn draw, QList<QSize> sizes) : draw_(draw), sizes_(std::move(sizes)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap((rect.size().toSizeF() * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString key = QStringLiteral("orvane-icon-%1-%2x%3-%4")
                                .arg(quintptr(draw_))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode));
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn))
            return drawn;
        drawn = QPixmap(size);
        drawn.fill(Qt::transparent);
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size.width() / 16.0, size.height() / 16.0);
        draw_(p);
        p.end();
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            QStyleOption option;
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        QPixmapCache::insert(key, drawn);
        return drawn;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
    QIconEngine* clone() const override { return new DrawnIconEngine(draw_, sizes_); }

private:
    DrawFn draw_;
    QList<QSize> sizes_;
};

QIcon Render(DrawFn draw, std::initializer_list<int> sizes) {
    QList<QSize> squares;
    for (int size : sizes)
        squares.append(QSize(size, size));
    return QIcon(new DrawnIconEngine(draw, std::move(squares)));
}

QIcon Render(std::span<const DrawFn> table, int image) {
    if (image < 1 || image > static_cast<int>(table.size()))
        return {};
    return Render(table[image - 1], {16, 32});
}

} // namespace

QIcon StandardToolbarImage(int image) {
    return Render(kStandard, image);
}

QIcon ObjectToolbarImage(int image) {
    return Render(kObject, image);
}

QIcon ProgramIcon() {
    return Render(DrawProgram, {16, 32, 48, 64});
}

QIcon DocumentIcon() {
    return Render(DrawDocument, {16, 32});
}

} // namespace orvane
