#include "components/engine/PictureFit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace engine {

PictureFit FitPicture(int sourceWidth, int sourceHeight, AVRational sourceSar, bool quarterTurn,
                      int frameWidth, int frameHeight, AVRational frameAspect) {
    PictureFit fit{frameWidth, frameHeight, 0, 0};
    if (sourceWidth <= 0 || sourceHeight <= 0 || frameAspect.num <= 0 || frameAspect.den <= 0)
        return fit;
    double sar = sourceSar.num > 0 && sourceSar.den > 0 ? av_q2d(sourceSar) : 1.0;
    double w = sourceWidth * sar;
    double h = sourceHeight;
    if (quarterTurn)
        std::swap(w, h);
    const double ratio = (w / h) / av_q2d(frameAspect);  // above 1: wider than the frame
    if (std::fabs(ratio - 1) < 0.01)
        return fit;
    // Even sizes keep the 4:2:0 chroma planes aligned with the picture.
    auto even = [](double v) { return std::max(2, static_cast<int>(std::lround(v / 2)) * 2); };
    if (ratio < 1)
        fit.width = std::min(frameWidth, even(frameWidth * ratio));
    else
        fit.height = std::min(frameHeight, even(frameHeight / ratio));
    fit.x = (frameWidth - fit.width) / 2 / 2 * 2;
    fit.y = (frameHeight - fit.height) / 2 / 2 * 2;
    return fit;
}

std::string FitFilters(const PictureFit& fit, int frameWidth, int frameHeight,
                       const std::string& scaleOptions) {
    std::string text =
        "scale=" + std::to_string(fit.width) + ":" + std::to_string(fit.height) + scaleOptions;
    if (fit.width != frameWidth || fit.height != frameHeight)
        text += ",pad=" + std::to_string(frameWidth) + ":" + std::to_string(frameHeight) + ":" +
                std::to_string(fit.x) + ":" + std::to_string(fit.y) + ":black";
    return text;
}

}  // namespace engine
