// One subtitle of a video: a file beside it or a stream inside it, with its
// language, that the disc carries as a subpicture stream.
#pragma once

#include <string>
#include <vector>

struct SubtitleTrack {
    std::string file;      // the file that holds it: the video itself or one beside it
    int stream = -1;       // the stream inside the video; -1: the whole file beside it
    std::string language;  // two-letter code ("en"); empty when not known
    std::string format;    // FFmpeg's codec name ("subrip", "ass", "hdmv_pgs_subtitle")
    bool bitmap = false;   // pictures rather than text
    bool forced = false;   // every cue is shown whatever the player's choice
    std::string problem;   // why it cannot be read, naming the file; empty when it can
    bool kept = true;      // false: the user left it off the disc
};

using SubtitleTracks = std::vector<SubtitleTrack>;
