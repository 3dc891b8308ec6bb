// Where a source picture goes in the output frame: scaled by its display
// aspect to fill as much of the frame as it can without distortion, the rest
// left black (bars at the sides or above and below).
#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <string>

namespace engine {

struct PictureFit {
    int width = 0;  // the picture inside the frame, in output pixels
    int height = 0;
    int x = 0;  // its top-left corner
    int y = 0;
};

// sourceSar: the source's pixel shape (0/1 or 0/0 when unknown: square);
// quarterTurn: the picture is turned by 90 or 270 degrees before it is shown.
// frameAspect: the display aspect of the whole output frame. The picture
// fills the frame exactly when the aspects differ by less than 1 %.
PictureFit FitPicture(int sourceWidth, int sourceHeight, AVRational sourceSar, bool quarterTurn,
                      int frameWidth, int frameHeight, AVRational frameAspect);

// The filter text that scales to fit.picture and pads to the frame with black
// ("scale=...,pad=..." or just "scale=..." when nothing is padded). scaleOptions
// are appended to the scale filter's own options (":flags=..." and the like).
std::string FitFilters(const PictureFit& fit, int frameWidth, int frameHeight,
                       const std::string& scaleOptions);

}  // namespace engine
