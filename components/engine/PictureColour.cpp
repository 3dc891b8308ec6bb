#include "components/engine/PictureColour.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace engine {

AVColorSpace SourceMatrix(const AVFrame& frame) {
    const AVPixFmtDescriptor* format =
        av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame.format));
    if (format && (format->flags & AV_PIX_FMT_FLAG_RGB))
        return AVCOL_SPC_RGB;
    switch (frame.colorspace) {
        case AVCOL_SPC_UNSPECIFIED:
        case AVCOL_SPC_RESERVED:
            return frame.width > 1024 || frame.height > 576 ? AVCOL_SPC_BT709 : AVCOL_SPC_SMPTE170M;
        default:
            return frame.colorspace;
    }
}

std::string ToDvdMatrixFilter(AVColorSpace matrix) {
    switch (matrix) {
        case AVCOL_SPC_BT709:
            return "colormatrix=bt709:bt601";
        case AVCOL_SPC_SMPTE240M:
            return "colormatrix=smpte240m:bt601";
        case AVCOL_SPC_FCC:
            return "colormatrix=fcc:bt601";
        case AVCOL_SPC_BT2020_NCL:
        case AVCOL_SPC_BT2020_CL:
            return "colormatrix=bt2020:bt601";
        default:
            // BT.601 in either of its names, or one this conversion does not
            // know (RGB sources reach the scaler as RGB and come out BT.601).
            return "";
    }
}

void SetDvdColourDescription(AVCodecContext& encoder, bool pal) {
    encoder.color_primaries = pal ? AVCOL_PRI_BT470BG : AVCOL_PRI_SMPTE170M;
    encoder.color_trc = pal ? AVCOL_TRC_GAMMA28 : AVCOL_TRC_SMPTE170M;
    encoder.colorspace = pal ? AVCOL_SPC_BT470BG : AVCOL_SPC_SMPTE170M;
    encoder.color_range = AVCOL_RANGE_MPEG;
}

}  // namespace engine
