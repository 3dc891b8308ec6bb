// Whether a video file already is a program stream that fits a DVD.
#pragma once

#include <string>

struct DvdStreamFacts {
    int width;
    int height;
    int fpsNum;
    int fpsDen;
};

// True when path names a ".vob" file (any case) holding an MPEG program
// stream with MPEG-2 video of exactly the given size and rate and AC-3 audio
// at 48 kHz, which a DVD title can use without conversion.
bool IsReadyDvdStream(const std::string& path, const DvdStreamFacts& wanted);
