// The pictures installed with the program, drawn at build time.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace pictures {

// Bold and regular sans fonts of the given pixel size (DejaVu Sans when it is
// installed, so the output is the same on every build machine).
QFont SansFont(int pixelSize, bool bold);

// Default menu backgrounds, 720 x 576.
QImage TitleBackground();
QImage RootBackground();
// The splash picture with the product name.
QImage SplashPicture();

// The title menu's button overlays, 720 x 480 palette pictures with the
// buttons "Play" (left) and "Chapters" (right) on one row.
QImage TitleMenuNormal();
QImage TitleMenuHover();
QImage TitleMenuSelect();
// The 128 x 96 frame that marks a root menu button.
QImage ButtonFrame();

// The capacity gauge's background strip.
QImage GaugeStrip();
// The start button's looks, 81 x 44: start, start hovered, stop, stop
// hovered, and the mask (black where the button shows).
QImage StartButton(bool hovered);
QImage StopButton(bool hovered);
QImage StartButtonMask();

}  // namespace pictures
