// Whether a video file already is a program stream that fits a DVD and the
// disc being made, so that it can go on the disc without conversion.
#pragma once

#include <string>

#include "platform/Result.h"

struct DvdStreamFacts {
    int width;
    int height;
    int fpsNum;
    int fpsDen;
    int aspectNum;  // display aspect ratio of the disc
    int aspectDen;
};

// The limits a DVD player holds a program stream to.
inline constexpr long long kDvdMaxVideoBitRate = 9'800'000;  // bits per second
inline constexpr long long kDvdMaxMuxRate = 10'080'000;      // bits per second

// True when path names a ".vob" file (any case) that a DVD title of the given
// frame size, rate and aspect can use as it is: 2048-byte packs starting with
// a navigation pack, a mux rate within 10.08 Mbit/s, one MPEG-2 Main profile
// 4:2:0 video stream of that size, rate and aspect whose declared, average and
// peak rates stay within 9.8 Mbit/s and whose picture groups hold at most 15
// (PAL) or 18 (NTSC) pictures, and one to eight 48 kHz stereo AC-3 sounds,
// as the disc's converted titles carry, in sub-streams 0x80 on in the order
// the file lists them. Otherwise a failure that says why.
platform::Result<void> IsReadyDvdStream(const std::string& path, const DvdStreamFacts& wanted);

// Playing time of a program stream from its first and last timestamps; -1
// when it cannot be read.
double ProgramStreamSeconds(const std::string& path);
