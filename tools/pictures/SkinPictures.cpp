// The capacity gauge's strip and the start button's looks.
#include "tools/pictures/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

const QSize kButton(81, 44);
const QRectF kPill(1, 1, 79, 42);

// Button pictures are 24-bit: the ground outside the pill is the dialog's
// face colour; the mask hides it anyway.
QImage PillButton(QColor top, QColor bottom, const QString& label) {
    QImage image(kButton, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient body(0, kPill.top(), 0, kPill.bottom());
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(150), 1));
    p.setBrush(body);
    p.drawRoundedRect(kPill, 12, 12);
    // A glossy upper half.
    QLinearGradient gloss(0, kPill.top(), 0, kPill.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(kPill.adjusted(3, 2, -3, -kPill.height() / 2), 9, 9);
    p.setFont(SansFont(15, true));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(kPill.translated(1, 1), Qt::AlignCenter, label);
    p.setPen(Qt::white);
    p.drawText(kPill, Qt::AlignCenter, label);
    return image;
}

}  // namespace

QImage StartButton(bool hovered) {
    return hovered ? PillButton(QColor(120, 220, 120), QColor(30, 140, 50), QStringLiteral("Start"))
                   : PillButton(QColor(90, 190, 100), QColor(20, 115, 40), QStringLiteral("Start"));
}

QImage StopButton(bool hovered) {
    return hovered ? PillButton(QColor(250, 130, 110), QColor(190, 40, 30), QStringLiteral("Stop"))
                   : PillButton(QColor(230, 100, 85), QColor(160, 30, 25), QStringLiteral("Stop"));
}

QImage StartButtonMask() {
    QImage image(kButton, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath pill;
    pill.addRoundedRect(kPill.adjusted(-0.5, -0.5, 0.5, 0.5), 12, 12);
    p.drawPath(pill);  // no antialiasing: the mask is pure black and white
    return image;
}

QImage GaugeStrip() {
    // One tile of a ruler-like strip: a soft vertical gradient with a tick.
    QImage image(20, 32, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, image.height());
    g.setColorAt(0, QColor(236, 240, 248));
    g.setColorAt(1, QColor(206, 214, 230));
    p.fillRect(image.rect(), g);
    p.fillRect(QRect(0, 24, 1, 8), QColor(150, 160, 185));
    p.fillRect(QRect(10, 28, 1, 4), QColor(175, 183, 203));
    return image;
}

}  // namespace pictures
