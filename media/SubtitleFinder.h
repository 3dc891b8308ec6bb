// Finding a video's subtitles: the files beside it and the streams inside it.
#pragma once

#include <string>

#include "media/SubtitleTrack.h"

// The DVD's limit of subpicture streams in a title.
inline constexpr std::size_t kMaxSubtitleStreams = 32;

// The subtitles of the video at videoPath, at most kMaxSubtitleStreams: its
// streams of subtitles FFmpeg can decode, in their order, then the files
// beside it named like it ("film.srt", "film.en.srt", "film.fre.forced.ass";
// SubRip, ASS/SSA and WebVTT) in name order. Each file is read through once;
// one that cannot be read keeps its problem.
SubtitleTracks FindSubtitleTracks(const std::string& videoPath);

// The language a file beside a video takes from its name: "en" for
// "film.en.srt" or "film.eng.srt" beside "film.mkv"; empty for "film.srt".
// forced is set by a "forced" part. False when the name is not a subtitle
// file of that video.
bool SidecarSubtitleName(const std::string& videoName, const std::string& name,
                         std::string& language, bool& forced);
