// The sound tracks of a disc. Its titles share one title set, and with it one
// audio stream table, so every video is given as many tracks as the video
// with the most: one with fewer is completed with silent tracks, and every
// stream the table lists then plays throughout every title.
#pragma once

#include <string>
#include <vector>

#include "media/AudioTracks.h"
#include "media/MediaItem.h"

// The engine's "-audio-tracks" value for item on a disc of discTracks
// tracks: its kept tracks, then silence. Empty where the engine's own choice,
// the source's only sound (or silence without one), is the same.
std::string AudioTrackArgument(const MediaItem& item, int discTracks);

// The language of each of the disc's discTracks streams: the one the videos'
// tracks there name; untagged where none names one; none ("") where they
// name different ones, as one table serves every title and a player would
// otherwise announce one video's language for another's. A track without a
// tag, or a silent one, contradicts nothing.
std::vector<std::string> DiscAudioLanguages(const MediaList& list, int discTracks,
                                            const std::string& untagged);

// The numbers (from 1, in the file's order) of item's tracks left off the
// disc, as projects keep them; and those tracks of item left off.
std::vector<int> DroppedAudioTracks(const MediaItem& item);
void DropAudioTracks(MediaItem& item, const std::vector<int>& numbers);

// The language of untagged tracks: setting (the AUDIO_LANGUAGE option) when
// it names one, else the locale's.
std::string UntaggedAudioLanguage(const std::string& setting);

// Keeps the tracks of item that choice names: "all", "first", or languages
// ("en,fr"; an untagged track counts as untagged). A video none of whose
// tracks has a language named keeps its first. False for another choice.
bool ChooseAudioTracks(MediaItem& item, const std::string& choice, const std::string& untagged);
