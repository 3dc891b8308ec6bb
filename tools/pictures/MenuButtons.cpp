// The title menu's button overlays and the root menu's button frame.
#include "tools/pictures/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace pictures {
namespace {

const QSize kTitleCanvas(720, 480);
// Plates behind the two labels; both on one row, so "Play" comes first in
// row order. Tops and heights even, as subpicture buttons start on even lines.
const QRect kPlayPlate(140, 332, 190, 52);
const QRect kChaptersPlate(390, 332, 190, 52);
constexpr int kFrameGap = 4;
constexpr int kFrameWidth = 4;

// Marker colours drawn without antialiasing and then mapped to palette
// entries, so every pixel belongs to exactly one entry.
constexpr QRgb kMarkPlate = qRgb(0, 0, 255);
constexpr QRgb kMarkText = qRgb(0, 255, 0);
constexpr QRgb kMarkFrame = qRgb(255, 0, 0);

QImage MarkerCanvas() {
    QImage image(kTitleCanvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Palette picture: index 0 transparent, then one entry per marker.
QImage ToPalette(const QImage& marked, const QList<QPair<QRgb, QRgb>>& markerToColour) {
    QImage out(marked.size(), QImage::Format_Indexed8);
    QList<QRgb> table{qRgba(0, 0, 0, 0)};
    for (const auto& entry : markerToColour)
        table.append(entry.second);
    out.setColorTable(table);
    for (int y = 0; y < marked.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(marked.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < marked.width(); ++x) {
            line[x] = 0;
            for (int i = 0; i < markerToColour.size(); ++i)
                if (qAlpha(in[x]) == 255 &&
                    (in[x] & 0xffffff) == (markerToColour[i].first & 0xffffff))
                    line[x] = static_cast<uchar>(i + 1);
        }
    }
    return out;
}

void DrawPlayIcon(QPainter& p, QPoint at) {
    p.drawPolygon(QPolygon({at, at + QPoint(0, 18), at + QPoint(15, 9)}));
}

void DrawListIcon(QPainter& p, QPoint at) {
    for (int i = 0; i < 3; ++i)
        p.drawRect(at.x(), at.y() + i * 7, 18, 3);
}

void DrawLabel(QPainter& p, const QRect& plate, const QString& text, bool play) {
    QFont font = SansFont(24, true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    const int textWidth = QFontMetrics(font).horizontalAdvance(text);
    const int iconWidth = 18;
    const int left = plate.center().x() - (iconWidth + 12 + textWidth) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kMarkText));
    if (play)
        DrawPlayIcon(p, QPoint(left + 1, plate.center().y() - 9));
    else
        DrawListIcon(p, QPoint(left, plate.center().y() - 8));
    p.setPen(QColor(kMarkText));
    p.drawText(QRect(left + iconWidth + 12, plate.top(), textWidth + 4, plate.height()),
               Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The frame that lights up around a plate when its button is active.
QImage FrameOverlay(QRgb colour) {
    QImage marked = MarkerCanvas();
    QPainter p(&marked);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kMarkFrame));
    for (const QRect& plate : {kPlayPlate, kChaptersPlate}) {
        const QRect outer = plate.adjusted(-kFrameGap - kFrameWidth, -kFrameGap - kFrameWidth,
                                           kFrameGap + kFrameWidth, kFrameGap + kFrameWidth);
        QPainterPath path;
        path.addRect(outer);
        path.addRect(outer.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
        p.drawPath(path);
    }
    p.end();
    return ToPalette(marked, {{kMarkFrame, colour}});
}

}  // namespace

QImage TitleMenuNormal() {
    QImage marked = MarkerCanvas();
    QPainter p(&marked);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kMarkPlate));
    p.drawRect(kPlayPlate);
    p.drawRect(kChaptersPlate);
    DrawLabel(p, kPlayPlate, QStringLiteral("Play"), true);
    DrawLabel(p, kChaptersPlate, QStringLiteral("Chapters"), false);
    p.end();
    return ToPalette(marked,
                     {{kMarkPlate, qRgba(8, 10, 36, 176)}, {kMarkText, qRgba(255, 255, 255, 255)}});
}

QImage TitleMenuHover() {
    return FrameOverlay(qRgba(255, 200, 40, 255));
}

QImage TitleMenuSelect() {
    return FrameOverlay(qRgba(230, 40, 40, 255));
}

QImage ButtonFrame() {
    QImage image(128, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, 127, 95), 8, 8);
    path.addRoundedRect(QRectF(6.5, 6.5, 115, 83), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 248, 255));
    p.drawPath(path);
    return image;
}

}  // namespace pictures
