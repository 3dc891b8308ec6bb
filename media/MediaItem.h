// One added video and the facts the encoding engine reports about it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "media/SubtitleTrack.h"

// The facts record the engine fills: 56 bytes, little-endian, fixed layout.
struct MediaInfo {
    std::int32_t reserved0 = 0;
    std::int32_t videoBitRate = 0;  // bits per second
    std::int32_t width = 0;
    std::int32_t height = 0;
    double frameRate = 0;  // frames per second
    std::uint8_t reserved24[12] = {};
    std::int32_t audioBitRate = 0;     // bits per second
    std::int32_t audioSampleRate = 0;  // Hz
    std::int32_t reserved44 = 0;
    double duration = 0;  // seconds
};
static_assert(sizeof(MediaInfo) == 56);
static_assert(offsetof(MediaInfo, videoBitRate) == 4);
static_assert(offsetof(MediaInfo, width) == 8);
static_assert(offsetof(MediaInfo, height) == 12);
static_assert(offsetof(MediaInfo, frameRate) == 16);
static_assert(offsetof(MediaInfo, audioBitRate) == 36);
static_assert(offsetof(MediaInfo, audioSampleRate) == 40);
static_assert(offsetof(MediaInfo, duration) == 48);

// One sound track of a source, in the file's order.
struct AudioTrack {
    int number = 0;        // among the source's audio streams, from 0
    std::string language;  // the disc's two-letter code ("en"); empty when untagged
    bool kept = true;      // false: left off the disc
};

struct MediaItem {
    std::string sourcePath;     // the chosen video file
    std::string vobPath;        // the DVD program stream made for it
    std::string thumbnailPath;  // its 128 x 96 JPEG thumbnail
    std::string infoText;       // four-line description for the list
    std::string name;           // shown under its thumbnail; empty: made from its file name
    MediaInfo info;             // the engine's facts
    // Every sound track of the source; empty when it has none or they were
    // not read (the engine then takes its main sound alone).
    std::vector<AudioTrack> audioTracks;
    SubtitleTracks subtitles;  // the subtitles the disc carries, in stream order
    // The stream with the subtitles multiplexed in, made by the job from
    // vobPath; the disc is authored from it. Empty: none.
    std::string subtitledPath;
};

using MediaList = std::vector<MediaItem>;
