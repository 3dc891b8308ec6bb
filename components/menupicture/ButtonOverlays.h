// Drawing of the three button overlay pictures of a DVD menu.
#pragma once

#include "platform/Result.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <array>
#include <string>
#include <vector>

namespace menupicture {

// The three looks of a menu's buttons, each a palette picture of the canvas
// size: index 0 is fully transparent, index 1 the button frame's colour.
struct OverlaySet {
    QImage normal;
    QImage hover;
    QImage select;
};

// The frame's shape: true where the frame picture shows a pixel. Pictures
// with an alpha channel count pixels of at least half opacity; opaque
// pictures count their light pixels (a light frame on a dark ground). The
// shape is scaled without smoothing to buttonSize.
std::vector<bool> FrameShape(const QImage& frame, QSize buttonSize);

// Draws one copy of the shape at each position. Every button must lie inside
// the canvas and at least 8 pixels from every other, so the multiplexer sees
// each as a button of its own.
platform::Result<OverlaySet> DrawOverlays(const std::vector<bool>& shape, QSize buttonSize,
                                          const std::vector<QPoint>& positions, QSize canvas);

}  // namespace menupicture
