#include "pipeline/DiscTitle.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "pipeline/RootMenuPages.h"

namespace {

// Letter heights as parts of the frame's height: the largest, and the
// smallest one still read across a room (about 30 lines of NTSC's 480).
constexpr int kLargestDivisor = 11;
constexpr int kSmallestDivisor = 16;
constexpr int kEdge = 4;  // the dark edge around the letters, and some air

}  // namespace

QRect TitleBandRect(int width, int height) {
    // The shipped background's band: lines 70 to 180 of 576.
    const int top = height * 70 / 576;
    const int bottom = height * 180 / 576;
    return QRect(width / 10, top, width - 2 * (width / 10), bottom - top);
}

bool DrawDiscTitle(QImage& surface, const std::string& title, double pixelShape) {
    const QString text = QString::fromStdString(title).simplified();
    if (text.isEmpty() || pixelShape <= 0 || !CanDrawMenuText())
        return false;
    const QRect band = TitleBandRect(surface.width(), surface.height());
    // Measured in television-shaped units: one unit is one pixel's shown width.
    const int width = static_cast<int>(band.width() * pixelShape) - 2 * kEdge;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const int smallest = surface.height() / kSmallestDivisor;
    int size = surface.height() / kLargestDivisor;
    for (;; size -= 2) {
        font.setPixelSize(size);
        if (size <= smallest || QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);

    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(band.topLeft());
    painter.scale(1 / pixelShape, 1);
    QPainterPath path;
    path.addText((band.width() * pixelShape - metrics.horizontalAdvance(shown)) / 2,
                 (band.height() + metrics.ascent() - metrics.descent()) / 2.0, font, shown);
    // A dark edge keeps light letters readable on any background.
    painter.setPen(QPen(QColor(0, 0, 0, 220), kEdge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPath(path);
    return true;
}
