// Menu backgrounds and the splash picture.
#include "tools/pictures/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace pictures {
namespace {

// A fixed sequence, so every build draws the same soft lights.
class Sequence {
  public:
    explicit Sequence(unsigned seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<double>((state_ >> 8) & 0xffff) / 65535.0;
    }

  private:
    unsigned state_;
};

void FillGradient(QPainter& p, QSize size, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

// Out-of-focus light discs scattered over the picture.
void DrawLights(QPainter& p, QSize size, QColor tint, unsigned seed, int count) {
    Sequence random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(random.Next() * size.width(), random.Next() * size.height());
        const double radius = 12 + random.Next() * 60;
        QColor inner = tint;
        inner.setAlphaF(0.05 + random.Next() * 0.12);
        QColor outer = tint;
        outer.setAlphaF(0);
        QRadialGradient g(centre, radius);
        g.setColorAt(0, inner);
        g.setColorAt(0.8, inner);
        g.setColorAt(1, outer);
        p.setBrush(g);
        p.drawEllipse(centre, radius, radius);
    }
}

// A soft glow in the middle and darker edges.
void DrawVignette(QPainter& p, QSize size, QColor glow) {
    QRadialGradient g(size.width() / 2.0, size.height() * 0.55, size.width() * 0.6);
    QColor clear = glow;
    clear.setAlpha(0);
    g.setColorAt(0, glow);
    g.setColorAt(0.6, clear);
    g.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

// A light band across the top with a thin gold rule under it.
void DrawTitleBand(QPainter& p, QSize size, int top, int height) {
    QLinearGradient band(0, top, 0, top + height);
    band.setColorAt(0, QColor(255, 255, 255, 18));
    band.setColorAt(1, QColor(255, 255, 255, 48));
    p.fillRect(QRect(0, top, size.width(), height), band);
    QLinearGradient rule(0, 0, size.width(), 0);
    rule.setColorAt(0, QColor(230, 190, 90, 0));
    rule.setColorAt(0.5, QColor(240, 200, 100, 230));
    rule.setColorAt(1, QColor(230, 190, 90, 0));
    p.fillRect(QRect(0, top + height, size.width(), 3), rule);
}

}  // namespace

QFont SansFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage TitleBackground() {
    const QSize size(720, 576);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillGradient(p, size, QColor(18, 24, 68), QColor(62, 18, 74));
    DrawLights(p, size, QColor(150, 170, 255), 7, 38);
    DrawVignette(p, size, QColor(120, 90, 200, 70));
    DrawTitleBand(p, size, 70, 110);
    return image;
}

QImage RootBackground() {
    const QSize size(720, 576);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillGradient(p, size, QColor(8, 44, 64), QColor(10, 22, 44));
    DrawLights(p, size, QColor(120, 230, 230), 11, 30);
    DrawVignette(p, size, QColor(60, 160, 180, 60));
    DrawTitleBand(p, size, 0, 42);
    return image;
}

QImage SplashPicture() {
    const QSize size(480, 270);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillGradient(p, size, QColor(24, 30, 78), QColor(70, 20, 80));
    DrawLights(p, size, QColor(160, 180, 255), 3, 24);

    // A stylised disc on the left.
    const QPointF disc(118, 135);
    QRadialGradient shine(disc, 78);
    shine.setColorAt(0, QColor(235, 240, 255));
    shine.setColorAt(0.5, QColor(170, 190, 240));
    shine.setColorAt(1, QColor(110, 120, 200));
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.setBrush(shine);
    p.drawEllipse(disc, 78, 78);
    p.setBrush(QColor(40, 36, 90));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawEllipse(disc, 16, 16);
    p.setPen(QPen(QColor(255, 255, 255, 60), 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(disc.x() - 56, disc.y() - 56, 112, 112), 30 * 16, 60 * 16);

    p.setPen(QColor(250, 250, 255));
    p.setFont(SansFont(52, true));
    p.drawText(QRect(212, 70, 260, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorva"));
    p.setPen(QColor(240, 200, 100));
    p.setFont(SansFont(19, false));
    p.drawText(QRect(216, 140, 260, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("DVD Authoring"));
    p.setPen(QColor(200, 205, 235));
    p.setFont(SansFont(12, false));
    p.drawText(QRect(216, 220, 250, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Initializing..."));
    return image;
}

}  // namespace pictures
