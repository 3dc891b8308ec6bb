// Film on an NTSC disc: its 23.976 pictures a second are encoded as they are,
// four for every five a player shows, each flagged to be shown as three
// fields or two in turn (3:2 pulldown). The stream itself says 29.97 pictures
// a second, as every NTSC disc's must; repeating whole pictures instead would
// spend bits on copies and make motion jerk every fifth picture.
#pragma once

#include <cstdint>

#include "components/engine/FfmpegHandles.h"

namespace engine {

// The rate film pictures are encoded at.
constexpr AVRational kFilmRate{24000, 1001};
// One field of NTSC video: the time base of the flagged stream's timestamps.
constexpr AVRational kNtscFieldTime{1001, 60000};

// Whether video of sourceRate is film that goes on a disc of discRate with
// pulldown (23.976 and 24 pictures a second on a 29.97 disc).
bool FilmOnNtscDisc(AVRational sourceRate, AVRational discRate);

// Makes the MPEG-2 pictures of a progressive film encode into a pulldown
// stream: the sequence's rate and scan, each picture's field flags and the
// group's time code, and every timestamp from film pictures into fields.
class PulldownFlagger {
  public:
    // The field at which the picture with the given film number (counted
    // from 0 at the start of the stream) is first shown.
    static std::int64_t FirstField(std::int64_t picture);

    // packet: one encoded picture, its timestamps in film pictures
    // (kFilmRate's inverse); afterwards in fields (kNtscFieldTime).
    Status Flag(AVPacket* packet) const;
};

}  // namespace engine
