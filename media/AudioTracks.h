// The sound tracks of a source and their languages as a DVD names them.
#pragma once

#include <string>
#include <vector>

#include "media/MediaItem.h"

// The most sound tracks a DVD title carries.
inline constexpr int kMaxDiscAudioTracks = 8;

// The tracks of item that go on the disc, in the file's order, at most 8.
std::vector<AudioTrack> KeptAudioTracks(const MediaItem& item);

// The tracks every video of list carries: the most any of them keeps, at
// least one. The disc's titles share one stream table, so a video with
// fewer is completed with silent tracks.
int DiscAudioTrackCount(const MediaList& list);

// The source's audio streams in the file's order, each with the language of
// its tag; empty when the file cannot be read or has none.
std::vector<AudioTrack> ReadAudioTracks(const std::string& path);

// The user's language as a two-letter code: the first of the LANGUAGE list
// that names one, then that of the locale (LC_ALL, LC_MESSAGES, LANG); empty
// for the C locale or none. In the C locale LANGUAGE counts for nothing.
std::string LocaleLanguage();

// "2 tracks (en, fr)", "1 track (en)", "1 track": the kept tracks, an
// untagged one shown as "?".
std::string DescribeAudioTracks(const std::vector<AudioTrack>& tracks);
