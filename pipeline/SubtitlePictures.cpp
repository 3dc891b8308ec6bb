#include "pipeline/SubtitlePictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

namespace {

// How much wider than tall the frame's pixels are shown.
double PixelShape(const JobParameters& params) {
    return static_cast<double>(params.aspectNum) * params.height /
           (static_cast<double>(params.aspectDen) * params.width);
}

// Brings a drawn picture down to the four colours: what is mostly clear
// becomes clear, the rest fill, outline or edge by its lightness.
QImage FourColours(const QImage& drawn) {
    QImage out = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) < 128) {
                line[x] = kSubtitleClear;
                continue;
            }
            const int light = qGray(pixel);
            line[x] = light >= 170 ? kSubtitleFill : light < 85 ? kSubtitleOutline : kSubtitleEdge;
        }
    }
    return out;
}

// The part of picture that is not clear, from even lines (a subpicture is
// shown field by field); nullopt when all of it is clear.
std::optional<Subpicture> Cropped(const QImage& picture, QPoint at) {
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (line[x] == kSubtitleClear)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return std::nullopt;
    top -= (at.y() + top) % 2;
    if ((bottom - top + 1) % 2 != 0 && bottom + 1 < picture.height())
        ++bottom;
    return Subpicture{picture.copy(left, top, right - left + 1, bottom - top + 1),
                      at + QPoint(left, top)};
}

// Breaks text into lines no wider than width, at spaces.
QStringList Wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    for (const QString& given : text.split('\n')) {
        QString line;
        for (const QString& word : given.split(' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + ' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

}  // namespace

std::optional<Subpicture> DrawTextCue(const std::string& text, const JobParameters& params) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const double shape = PixelShape(params);
    // Measured in television-shaped units: one unit is one pixel's shown
    // height. The title-safe area leaves a tenth of the frame on each side.
    const double frameWidth = params.width * shape;
    const double safeWidth = frameWidth * 0.8;
    const double safeBottom = params.height * 0.9;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setWeight(QFont::DemiBold);
    int size = params.height / 15;  // 38 lines of PAL's 576, 32 of NTSC's 480
    QStringList lines;
    for (;; size -= 2) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        lines = Wrapped(QString::fromStdString(text), metrics, safeWidth);
        const bool fits = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= safeWidth;
        });
        if ((fits && lines.size() * metrics.lineSpacing() <= params.height * 0.4) ||
            size <= params.height / 30)
            break;
    }
    if (lines.isEmpty())
        return std::nullopt;
    const QFontMetricsF metrics(font);
    const double edge = std::max(2.0, size / 10.0);  // the outline's width on each side

    QImage drawn(params.width, params.height, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(1 / shape, 1);
        QPainterPath path;
        double baseline =
            safeBottom - metrics.descent() - edge - (lines.size() - 1) * metrics.lineSpacing();
        for (const QString& line : lines) {
            path.addText((frameWidth - metrics.horizontalAdvance(line)) / 2, baseline, font, line);
            baseline += metrics.lineSpacing();
        }
        painter.setPen(QPen(QColor(0, 0, 0), 2 * edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPath(path);
    }
    return Cropped(FourColours(drawn), QPoint(0, 0));
}

std::optional<Subpicture> DrawBitmapCue(const SubtitleCue& cue, const JobParameters& params) {
    if (cue.picture.isNull() || cue.canvas.isEmpty())
        return std::nullopt;
    // Where the video shows in the frame: its canvas keeps its proportions
    // (with bars) unless the job stretches it to fill.
    double fitWidth = params.width;
    double fitHeight = params.height;
    if (!params.stretchToFill) {
        const double frameAspect = static_cast<double>(params.aspectNum) / params.aspectDen;
        const double canvasAspect = static_cast<double>(cue.canvas.width()) / cue.canvas.height();
        if (canvasAspect > frameAspect)
            fitHeight = params.height * frameAspect / canvasAspect;
        else
            fitWidth = params.width * canvasAspect / frameAspect;
    }
    const double sx = fitWidth / cue.canvas.width();
    const double sy = fitHeight / cue.canvas.height();
    const QPointF origin((params.width - fitWidth) / 2, (params.height - fitHeight) / 2);
    QImage drawn(params.width, params.height, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(origin);
        painter.scale(sx, sy);
        painter.drawImage(cue.at, cue.picture);
    }
    return Cropped(FourColours(drawn), QPoint(0, 0));
}
