#include "ui/MacSliderCtrl.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

#include <algorithm>

#include "app/QuorvaApp.h"
#include "media/Pictures.h"

namespace {

constexpr int kThumbWidth = 11;
const QColor kOverfullColour(200, 30, 30);

int Lighten(int c) {
    return c + 51 <= 255 ? c + 51 : c;
}
int Darken(int c) {
    return c >= 51 ? c - 51 : c;
}
int Midpoint(int a, int b) {
    int diff = b - a;
    // Rounds down also for a negative difference.
    int half = diff >= 0 ? diff / 2 : -((-diff + 1) / 2);
    return a + half;
}

QFont CaptionFont() {
    QFont font("Lucida Console");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

// A line through the points, in the way the drawing surface draws polylines.
void Polyline(QPainter& painter, std::initializer_list<QPoint> points) {
    painter.drawPolyline(QPolygon(QList<QPoint>(points)));
}

}  // namespace

QColor LightenBy51(const QColor& c) {
    return QColor(Lighten(c.red()), Lighten(c.green()), Lighten(c.blue()));
}
QColor DarkenBy51(const QColor& c) {
    return QColor(Darken(c.red()), Darken(c.green()), Darken(c.blue()));
}
QColor MidpointColour(const QColor& a, const QColor& b) {
    return QColor(Midpoint(a.red(), b.red()), Midpoint(a.green(), b.green()),
                  Midpoint(a.blue(), b.blue()));
}

CMacSliderCtrl::CMacSliderCtrl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    background_ = LoadPicture(App().theProgramFolder + "back_sp.bmp");
    const QPalette& p = palette();
    selection_ = p.color(QPalette::Active, QPalette::Highlight);
    channel_ = p.color(QPalette::Active, QPalette::Base);
    face_ = p.color(QPalette::Active, QPalette::Button);
    darkEdge_ = MidpointColour(p.color(QPalette::Active, QPalette::Dark),
                               p.color(QPalette::Active, QPalette::Shadow));
    lightEdge_ = MidpointColour(face_, p.color(QPalette::Active, QPalette::Dark));
    edgeHighlight_ = p.color(QPalette::Active, QPalette::Light);
    frame_ = p.color(QPalette::Active, QPalette::WindowText);
    shades_ = Derive(face_);
}

CMacSliderCtrl::Shades CMacSliderCtrl::Derive(const QColor& base) {
    Shades s;
    s.base = base;
    s.lighter1 = LightenBy51(base);
    s.lighter2 = LightenBy51(s.lighter1);
    s.darker1 = DarkenBy51(base);
    s.darker2 = DarkenBy51(s.darker1);
    return s;
}

void CMacSliderCtrl::SetBaseColour(const QColor& colour) {
    shades_ = Derive(colour);
    update();
}

void CMacSliderCtrl::SetRange(int low, int high, bool redraw) {
    setRange(low, high);
    if (redraw)
        update();
}

void CMacSliderCtrl::SetPos(int position) {
    setValue(position);
    update();
}

void CMacSliderCtrl::SetSelection(int start, int end) {
    selStart_ = start;
    selEnd_ = end;
}

QRect CMacSliderCtrl::ChannelRect() const {
    // Inside its edges the channel holds the caption's line, as far as the
    // control's height allows.
    const int thickness =
        std::min(QFontMetrics(CaptionFont()).height() + 4,
                 std::max((orientation() == Qt::Horizontal ? height() : width()) - 4, 10));
    const int margin = kThumbWidth / 2 + 2;
    if (orientation() == Qt::Horizontal) {
        int top = (height() - thickness) / 2 + 2;
        return QRect(QPoint(margin, top), QPoint(width() - margin - 1, top + thickness - 1));
    }
    int left = (width() - thickness) / 2;
    return QRect(QPoint(left, margin), QPoint(left + thickness - 1, height() - margin - 1));
}

QRect CMacSliderCtrl::ThumbRect() const {
    const QRect c = ChannelRect();
    const int span = maximum() - minimum();
    const double fraction = span > 0 ? double(value() - minimum()) / span : 0.0;
    if (orientation() == Qt::Horizontal) {
        int centre = c.left() + int(fraction * c.width());
        return QRect(centre - kThumbWidth / 2, 2, kThumbWidth, std::max(height() - 4, 8));
    }
    int centre = c.top() + int(fraction * c.height());
    return QRect(2, centre - kThumbWidth / 2, std::max(width() - 4, 8), kThumbWidth);
}

void CMacSliderCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect thumb = ThumbRect();

    // Channel: the background strip tiled along the top, then the rounded
    // channel with the selection.
    painter.save();
    if (!background_.isNull() && background_.width() > 0) {
        const int count = width() / background_.width() + 1;
        for (int i = 0; i < count; ++i)
            painter.drawImage(QPoint(i * background_.width(), 0), background_);
    }
    const QRect channel = ChannelRect();
    DrawChannel(painter, channel, isEnabled() ? channel_ : face_);
    DrawSelection(painter, channel);
    painter.restore();

    // Thumb: one step darker while it is held down.
    painter.save();
    Shades shades = isSliderDown() ? Derive(DarkenBy51(shades_.base)) : shades_;
    DrawThumb(painter, thumb, shades);
    painter.restore();
}

void CMacSliderCtrl::DrawChannel(QPainter& painter, const QRect& c, const QColor& fill) const {
    const bool horizontal = orientation() == Qt::Horizontal;
    // Edges as the drawing surface counts them: right and bottom exclusive.
    int l = c.left(), t = c.top(), r = c.right() + 1, b = c.bottom() + 1;
    if (minimum() != 0 || maximum() != 0) {
        t += 1;
        b -= 1;
    }
    if (horizontal) {
        l += 1;
        r -= 1;
        b += 1;
    } else {
        t += 1;
        b -= 1;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if ((horizontal && b - t > 3) || (!horizontal && r - l > 3)) {
        painter.setPen(QPen(darkEdge_, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRect(l, t, r - l - 1, b - t - 1), 1, 1);
    }
    l -= 1;
    t -= 1;
    r += 1;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(lightEdge_, 1));
    Polyline(painter, {{l, b - 2}, {l, t + 2}, {l + 2, t}, {r - 2, t}});
    painter.setPen(QPen(edgeHighlight_, 1));
    Polyline(painter, {{l + 1, b - 1},
                       {l + 2, b},
                       {r - 2, b},
                       {r - 2, b - 1},
                       {r - 1, b - 1},
                       {r - 1, t + 2},
                       {r - 3, t}});
}

QRect CMacSliderCtrl::BarRect(const QRect& c) const {
    const int m = minimum(), M = maximum();
    if (selStart_ >= selEnd_ || M == m)
        return {};
    const bool horizontal = orientation() == Qt::Horizontal;
    const int length = horizontal ? c.width() : c.height();
    const int a = int(double(length) * (selStart_ - m) / (M - m));
    const int z = int(double(length) * (selEnd_ - m) / (M - m));
    int l = c.left(), t = c.top(), r = c.right() + 1, b = c.bottom() + 1;
    if (horizontal) {
        r = l + z;
        l = l + a;
        l += 2, t += 2, r -= 2, b -= 1;
    } else {
        b = t + z;
        t = t + a;
        l += 1, t += 2, r -= 1, b -= 2;
    }
    l -= 1, t -= 1, r += 1, b += 1;
    return QRect(l, t, std::max(r - l, 0), std::max(b - t, 0));
}

QString CMacSliderCtrl::Caption() const {
    return QString::asprintf("%d/%d MB", selEnd_, value());
}

QRect CMacSliderCtrl::CaptionRect() const {
    if (selStart_ >= selEnd_ || maximum() == minimum())
        return {};
    const QRect channel = ChannelRect();
    const QRect bar = BarRect(channel);
    const QRect thumb = ThumbRect();
    const QFontMetrics metrics(CaptionFont());
    const int width = metrics.horizontalAdvance(Caption());
    const int end = bar.left() + bar.width();
    // Beside the bar; else beyond the thumb; else inside the bar, before its
    // end or before the thumb: the first place clear of the thumb and within
    // the control.
    const int places[] = {end + 5, thumb.right() + 5, end - 5 - width, thumb.left() - 5 - width};
    int x = places[0];
    for (int place : places) {
        const bool clear = place + width < thumb.left() || place > thumb.right();
        if (clear && place >= 0 && place + width <= this->width()) {
            x = place;
            break;
        }
    }
    // Centred on the channel, whose inside is as tall as the caption.
    return QRect(x, channel.top() + (channel.height() - metrics.height()) / 2, width,
                 metrics.height());
}

void CMacSliderCtrl::DrawSelection(QPainter& painter, const QRect& c) const {
    const QRect bar = BarRect(c);
    // More than the disc holds: the bar turns red.
    if (!bar.isEmpty())
        painter.fillRect(bar, selEnd_ > value() ? kOverfullColour : selection_);
    const QRect caption = CaptionRect();
    if (caption.isEmpty())
        return;
    painter.setFont(CaptionFont());
    const bool inside = caption.left() < bar.left() + bar.width();
    painter.setPen(palette().color(QPalette::Active,
                                   inside ? QPalette::HighlightedText : QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, Caption());
}

void CMacSliderCtrl::DrawThumb(QPainter& painter, const QRect& thumb, const Shades& s) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    int L = thumb.left(), T = thumb.top(), R = thumb.right() + 1, B = thumb.bottom() + 1;
    const int w = R - L;
    const int h = w / 2;
    const bool horizontal = thumb.width() < thumb.height();
    const QPen frame(frame_, 1);

    if (horizontal && tickPosition() == QSlider::TicksAbove) {
        // A body with a roof pointing up.
        painter.setPen(frame);
        painter.setBrush(s.base);
        painter.drawPolygon(QPolygon(QList<QPoint>{{L, T + h - 1},
                                                   {L, B - 2},
                                                   {L + 1, B - 1},
                                                   {R - 2, B - 1},
                                                   {R - 1, B - 2},
                                                   {R - 1, T + h - 1},
                                                   {R - h, T},
                                                   {L + h - 1, T}}));
        if (w > 5) {
            painter.setPen(s.lighter1);
            painter.drawLine(L + 1, T + h, L + 1, B - 2);
            painter.drawLine(R - h, T + 1, R - h - 2, T + 1);
            painter.setPen(s.lighter2);
            painter.drawLine(L + 1, T + h - 1, L + h, T);
            painter.setPen(s.darker1);
            Polyline(painter, {{L + 2, B - 2}, {R - 2, B - 2}, {R - 2, T + h - 1}, {R - h, T + 1}});
        }
        L += 1, T += 2, R -= 1;
    } else if (horizontal && tickPosition() != QSlider::TicksBothSides) {
        // A body with a point downwards.
        painter.setPen(frame);
        painter.setBrush(s.base);
        painter.drawPolygon(QPolygon(QList<QPoint>{{L, T + 1},
                                                   {L, B - h},
                                                   {L + h - 1, B - 1},
                                                   {R - h, B - 1},
                                                   {R - 1, B - h},
                                                   {R - 1, T + 1},
                                                   {R - 2, T},
                                                   {L, T}}));
        if (w > 5) {
            painter.setPen(s.lighter2);
            painter.drawPoint(L + 1, T + 1);
            painter.setPen(s.lighter1);
            Polyline(painter, {{L + 1, B - h}, {L + 1, T + 2}, {R - 2, T + 1}});
            painter.setPen(s.darker1);
            Polyline(painter, {{L + 1, B - h + 1}, {L + h - 1, B - 2}, {R - h, B - 2}});
            painter.drawLine(R - 2, T + 2, R - 2, B - h);
            painter.setPen(s.darker2);
            painter.drawLine(R - h + 1, B - 2, R - 2, B - h + 1);
        }
        L += 1, R -= 1, B -= 2;
    } else {
        // A rounded body with a raised frame.
        painter.setPen(frame);
        painter.setBrush(s.base);
        painter.drawRoundedRect(QRect(L, T, w - 1, B - T - 1), 1, 1);
        painter.setPen(s.lighter1);
        Polyline(painter, {{L + 1, B - 3}, {L + 1, T + 1}, {R - 3, T + 1}});
        painter.setPen(s.darker1);
        Polyline(painter, {{L + 2, B - 2}, {R - 2, B - 2}, {R - 2, T + 2}});
        painter.setPen(s.lighter2);
        painter.drawPoint(L + 1, T + 1);
        painter.setPen(s.darker2);
        painter.drawPoint(R - 2, B - 2);
    }

    if (!isEnabled())
        return;
    // The grip.
    if (horizontal) {
        const int thresholds[2] = {5, 9};
        for (int group = 0; group < 2; ++group) {
            if (w <= thresholds[group])
                break;
            const int x = L + 1 + 4 * group;
            painter.setPen(s.lighter1);
            painter.drawLine(x, T + 5, x, B - 5);
            painter.drawLine(x + 2, T + 5, x + 2, B - 5);
            painter.setPen(s.darker2);
            painter.drawLine(x + 1, T + 5, x + 1, B - 4);
            if (group == 0)
                painter.drawLine(x + 3, T + 5, x + 3, B - 4);
            painter.setPen(s.lighter2);
            painter.drawPoint(x, T + 4);
            painter.drawPoint(x + 2, T + 4);
        }
    } else {
        const int height = B - T;
        for (int group = 0; group < 2; ++group) {
            if (height <= (group == 0 ? 5 : 9))
                break;
            const int y = T + 1 + 4 * group;
            painter.setPen(s.lighter1);
            painter.drawLine(L + 5, y, R - 5, y);
            painter.drawLine(L + 5, y + 2, R - 5, y + 2);
            painter.setPen(s.darker2);
            painter.drawLine(L + 5, y + 1, R - 4, y + 1);
        }
    }
}
