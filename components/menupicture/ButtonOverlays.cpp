#include "components/menupicture/ButtonOverlays.h"

#include <QColor>

namespace menupicture {
namespace {

// The normal look keeps a faint light frame around each thumbnail; hover and
// select show the frame in gold and in red. Fully opaque colours without
// antialiasing, so each button holds only two colour combinations.
constexpr QRgb kNormalFrame = qRgba(235, 235, 235, 128);
constexpr QRgb kHoverFrame = qRgba(255, 200, 40, 255);
constexpr QRgb kSelectFrame = qRgba(230, 40, 40, 255);
constexpr int kMinButtonGap = 8;

QImage TransparentCanvas(QSize canvas, QRgb frameColour) {
    QImage image(canvas, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), frameColour});
    image.fill(0);
    return image;
}

}  // namespace

std::vector<bool> FrameShape(const QImage& frame, QSize buttonSize) {
    QImage scaled = frame.convertToFormat(QImage::Format_ARGB32);
    if (scaled.size() != buttonSize)
        scaled = scaled.scaled(buttonSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool useAlpha = frame.hasAlphaChannel();
    std::vector<bool> shape(static_cast<size_t>(buttonSize.width()) * buttonSize.height());
    for (int y = 0; y < buttonSize.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < buttonSize.width(); ++x) {
            const QRgb p = row[x];
            const bool on = useAlpha ? qAlpha(p) >= 128 : qGray(p) >= 128;
            shape[static_cast<size_t>(y) * buttonSize.width() + x] = on;
        }
    }
    return shape;
}

platform::Result<OverlaySet> DrawOverlays(const std::vector<bool>& shape, QSize buttonSize,
                                          const std::vector<QPoint>& positions, QSize canvas) {
    const QRect bounds(QPoint(0, 0), canvas);
    for (size_t i = 0; i < positions.size(); ++i) {
        if (!bounds.contains(QRect(positions[i], buttonSize))) {
            return platform::Fail("button " + std::to_string(i + 1) + " at (" +
                                  std::to_string(positions[i].x()) + ", " +
                                  std::to_string(positions[i].y()) + ") does not fit on the " +
                                  std::to_string(canvas.width()) + " x " +
                                  std::to_string(canvas.height()) + " canvas");
        }
    }
    // The multiplexer joins pixels within its outline width (6) into one
    // button and rounds button edges to even lines: keep buttons apart.
    for (size_t i = 0; i < positions.size(); ++i) {
        for (size_t k = i + 1; k < positions.size(); ++k) {
            const QRect a(positions[i], buttonSize);
            const QRect b(positions[k], buttonSize);
            if (a.adjusted(-kMinButtonGap, -kMinButtonGap, kMinButtonGap, kMinButtonGap)
                    .intersects(b)) {
                return platform::Fail("buttons " + std::to_string(i + 1) + " and " +
                                      std::to_string(k + 1) + " are closer than " +
                                      std::to_string(kMinButtonGap) + " pixels");
            }
        }
    }
    OverlaySet out;
    out.normal = TransparentCanvas(canvas, kNormalFrame);
    out.hover = TransparentCanvas(canvas, kHoverFrame);
    out.select = TransparentCanvas(canvas, kSelectFrame);
    for (const QPoint& at : positions) {
        for (int y = 0; y < buttonSize.height(); ++y) {
            uchar* normal = out.normal.scanLine(at.y() + y) + at.x();
            uchar* hover = out.hover.scanLine(at.y() + y) + at.x();
            uchar* select = out.select.scanLine(at.y() + y) + at.x();
            for (int x = 0; x < buttonSize.width(); ++x) {
                if (shape[static_cast<size_t>(y) * buttonSize.width() + x]) {
                    normal[x] = 1;
                    hover[x] = 1;
                    select[x] = 1;
                }
            }
        }
    }
    return out;
}

}  // namespace menupicture
