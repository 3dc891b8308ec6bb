#include "ui/SkinButton.h"

#include <qdrawutil.h>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVector>

#include <algorithm>

#include "app/QuorvaApp.h"

namespace {

const QEvent::Type kUncheckEvent = QEvent::Type(QEvent::User + CxSkinButton::kUncheckMessage);

QImage LoadNumbered(int number) {
    if (number <= 0)
        return {};
    const std::string path = App().theProgramFolder + std::to_string(number) + ".bmp";
    return QImage(QString::fromStdString(path));
}

// The picture with the mask's brightness as its transparency: white keeps the
// ground, black shows the picture.
QImage ApplyMask(const QImage& picture, const QImage& mask) {
    if (picture.isNull() || mask.isNull())
        return picture;
    QImage m = mask.size() == picture.size() ? mask : mask.scaled(picture.size());
    m = m.convertToFormat(QImage::Format_RGB32);
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* mrow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int alpha = 255 - qGray(mrow[x]);
            row[x] =
                qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha * qAlpha(row[x]) / 255);
        }
    }
    return out;
}

// All mask pixels that are not pure white, as one-pixel-high runs.
QRegion MaskToRegion(const QImage& mask) {
    QRegion region;
    if (mask.isNull())
        return region;
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    QVector<QRect> runs;
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < m.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        int x = 0;
        while (x < m.width()) {
            while (x < m.width() && (row[x] & 0xFFFFFF) == (white & 0xFFFFFF))
                ++x;
            const int start = x;
            while (x < m.width() && (row[x] & 0xFFFFFF) != (white & 0xFFFFFF))
                ++x;
            if (x > start)
                runs.append(QRect(start, y, x - start, 1));
        }
        // Join in batches so the region never grows from a huge rectangle list.
        if (runs.size() >= 2000) {
            QRegion batch;
            batch.setRects(runs.constData(), int(runs.size()));
            region += batch;
            runs.clear();
        }
    }
    QRegion batch;
    batch.setRects(runs.constData(), int(runs.size()));
    return region + batch;
}

}  // namespace

CxSkinButton::CxSkinButton(QWidget* parent, std::uint32_t buttonStyle) : QPushButton(parent) {
    textColour_ = palette().color(QPalette::ButtonText);
    setMouseTracking(true);
    AttachStyle(buttonStyle);
    connect(this, &QAbstractButton::clicked, this, [this] { OnClicked(); });
}

void CxSkinButton::AttachStyle(std::uint32_t buttonStyle) {
    if ((buttonStyle & 3) == 3)
        kind_ = Kind::CheckBox;
    else if ((buttonStyle & 9) == 9)
        kind_ = Kind::RadioButton;
    else
        kind_ = Kind::PushButton;
    if (kind_ == Kind::PushButton)
        checked_ = false;
    if ((buttonStyle & 0xF) == BS_DEFPUSHBUTTON)
        setDefault(true);
    update();
}

void CxSkinButton::LoadSkinPictures(int normal, int pressed, int hovered, int disabled, int focused,
                                    int mask, int drawMode, int border, int margin) {
    LoadSkinPictures(Pictures{LoadNumbered(normal), LoadNumbered(pressed), LoadNumbered(hovered),
                              LoadNumbered(disabled), LoadNumbered(focused), LoadNumbered(mask)},
                     drawMode, border, margin);
}

void CxSkinButton::LoadSkinPictures(Pictures pictures, int drawMode, int border, int margin) {
    pictures_ = std::move(pictures);
    if (pictures_.disabled.isNull())
        pictures_.disabled = pictures_.normal;
    drawMode_ = std::clamp(drawMode, kDrawPlain, kDrawTile);
    border_ = border;
    margin_ = std::max(margin, 0);
    const QImage& mask = pictures_.mask;
    masked_ = Pictures{ApplyMask(pictures_.normal, mask),  ApplyMask(pictures_.pressed, mask),
                       ApplyMask(pictures_.hovered, mask), ApplyMask(pictures_.disabled, mask),
                       ApplyMask(pictures_.focused, mask), QImage()};
    maskRegion_ = MaskToRegion(mask);
    update();
}

void CxSkinButton::SetCheck(int state) {
    const bool checked = state != 0 && kind_ != Kind::PushButton;
    checked_ = checked;
    if (checked && kind_ == Kind::RadioButton)
        UncheckGroup();
    update();
}

void CxSkinButton::SetTextColor(QColor colour) {
    textColour_ = colour;
    update();
}

void CxSkinButton::OnClicked() {
    if (kind_ == Kind::CheckBox)
        SetCheck(checked_ ? 0 : 1);
    else if (kind_ == Kind::RadioButton)
        SetCheck(1);
}

void CxSkinButton::UncheckGroup() {
    QWidget* dialog = parentWidget();
    if (!dialog)
        return;
    QList<QWidget*> controls;
    for (QObject* child : dialog->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            controls.append(widget);
    const qsizetype self = controls.indexOf(this);
    auto startsGroup = [&](qsizetype i) {
        auto* button = dynamic_cast<CxSkinButton*>(controls[i]);
        return button && button->GroupStart();
    };
    qsizetype first = self;
    while (first > 0 && !startsGroup(first))
        --first;
    qsizetype last = self + 1;
    while (last < controls.size() && !startsGroup(last))
        ++last;
    for (qsizetype i = first; i < last; ++i)
        if (i != self) {
            // Delivered at once: a queued uncheck could clear a radio button that
            // was checked after this one but before the queue ran.
            QEvent uncheck(kUncheckEvent);
            QCoreApplication::sendEvent(controls[i], &uncheck);
        }
}

bool CxSkinButton::event(QEvent* event) {
    if (event->type() == kUncheckEvent) {
        if (checked_) {
            checked_ = false;
            update();
        }
        return true;
    }
    return QPushButton::event(event);
}

void CxSkinButton::mouseMoveEvent(QMouseEvent* event) {
    if (!hovering_ && rect().contains(event->position().toPoint())) {
        hovering_ = true;
        update();
    }
    QPushButton::mouseMoveEvent(event);
}

void CxSkinButton::leaveEvent(QEvent* event) {
    hovering_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void CxSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click counts as a second press.
    mousePressEvent(event);
}

void CxSkinButton::focusOutEvent(QFocusEvent* event) {
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    QPushButton::focusOutEvent(event);
}

void CxSkinButton::DrawPicture(QPainter& painter, const QImage& picture, const QRect& r) const {
    if (picture.isNull())
        return;
    if (drawMode_ == kDrawTile) {
        painter.save();
        painter.setClipRect(r);
        for (int y = r.top(); y <= r.bottom(); y += picture.height())
            for (int x = r.left(); x <= r.right(); x += picture.width())
                painter.drawImage(QPoint(x, y), picture);
        painter.restore();
        return;
    }
    if (drawMode_ == kDrawStretch)
        painter.drawImage(r, picture);
    else
        painter.drawImage(r.topLeft(), picture);
}

void CxSkinButton::DrawCaption(QPainter& painter, const QRect& r, const QColor& colour) const {
    const QString caption = text();
    if (caption.isEmpty())
        return;
    painter.setPen(colour);
    const int inset = margin_ + 2;
    painter.drawText(r.adjusted(inset, 0, -inset, 0),
                     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

void CxSkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect r = rect();
    const bool tile = drawMode_ == kDrawTile;
    // Masked pictures only outside tile mode.
    const Pictures& show = tile || pictures_.mask.isNull() ? pictures_ : masked_;
    const QColor face = palette().color(QPalette::Button);

    if (!isEnabled()) {
        if (show.disabled.isNull())
            painter.fillRect(r, face);
        else
            DrawPicture(painter, show.disabled, r);
        if (border_)
            qDrawWinPanel(&painter, r, palette(), false);
        DrawCaption(painter, r, palette().color(QPalette::Light));
        DrawCaption(painter, r.translated(-1, -1),
                    palette().color(QPalette::Disabled, QPalette::WindowText));
        return;
    }
    if (isDown() || checked_) {
        if (show.pressed.isNull())
            painter.fillRect(r, face);
        else
            DrawPicture(painter, show.pressed, r);
        DrawCaption(painter, r.translated(1, 1), textColour_);
        if (border_)
            qDrawWinPanel(&painter, r, palette(), true);
        return;
    }
    if (show.normal.isNull()) {
        painter.fillRect(r, face);
    } else if (hovering_ && !show.hovered.isNull()) {
        DrawPicture(painter, show.hovered, r);
    } else if (hasFocus() && !show.focused.isNull()) {
        DrawPicture(painter, show.focused, r);
    } else {
        DrawPicture(painter, show.normal, r);
    }
    if (border_)
        qDrawWinPanel(&painter, r, palette(), false);
    if (hasFocus() && margin_ > 0) {
        // Drawn here rather than by the style, which may draw none (Fusion
        // shows it only after a key moved the focus, and faintly on a
        // picture).
        painter.save();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(margin_, margin_, -margin_ - 1, -margin_ - 1));
        painter.restore();
    }
    DrawCaption(painter, r, textColour_);
}
