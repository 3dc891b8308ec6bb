// Colours as DVD players read them: every disc picture is decoded with the
// standard-definition matrix (BT.601). Sources made with another matrix
// (high-definition BT.709 above all) are converted to it, and the stream says
// so in its colour description.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}

#include <string>

namespace engine {

// The matrix a source frame was made with: its own colour description, or,
// where it has none, the one its size implies (high-definition sizes are
// BT.709, smaller ones BT.601). AVCOL_SPC_RGB for RGB pictures.
AVColorSpace SourceMatrix(const AVFrame& frame);

// The filter that converts limited-range YUV 4:2:0 of the given matrix to
// BT.601 ("" when nothing needs converting).
std::string ToDvdMatrixFilter(AVColorSpace matrix);

// Writes the disc's colour description (BT.601 for PAL or NTSC, limited
// range) into the encoder's settings, which the MPEG-2 stream carries.
void SetDvdColourDescription(AVCodecContext& encoder, bool pal);

}  // namespace engine
