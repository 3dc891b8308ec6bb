// The cues of a subtitle track, read with FFmpeg: when each shows and what.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

#include "media/SubtitleTrack.h"
#include "platform/Result.h"

struct SubtitleCue {
    double start = 0;  // seconds from the start of the video
    double end = 0;
    std::string text;  // a text cue's lines, '\n' between them, without styling
    QImage picture;    // a bitmap cue (ARGB) ...
    QPoint at;         // ... placed here ...
    QSize canvas;      // ... on a canvas of this size, which covers the video
    bool forced = false;
};

// Every cue of track in time order. Cues never overlap: text cues shown at
// the same time become one cue for each stretch of time, their lines joined;
// a bitmap cue ends where the next begins. A file beside the video that is
// not UTF-8 is read as Windows-1252 when it can be. Fails, naming the file,
// when it cannot be read, is in no encoding that can be told, a text cue
// cannot be decoded, or a file beside the video holds no cue (a stream
// inside it may have none). stop, when given, is asked while reading.
platform::Result<std::vector<SubtitleCue>> ReadSubtitleCues(const SubtitleTrack& track,
                                                            const std::function<bool()>& stop = {});

// The plain text of one ASS dialogue line as FFmpeg's decoders give it
// ("ReadOrder,Layer,Style,Name,MarginL,MarginR,MarginV,Effect,Text"): the
// styling overrides and drawings dropped, "\N" as a line break.
std::string PlainCueText(const std::string& dialogue);
