// The disc space a list of videos will take, and the video bit rate a job
// uses for it.
#pragma once

#include "media/MediaItem.h"
#include "settings/Options.h"

// Megabytes of the converted videos at the given video bit rate (kbit/s),
// counting 192 kbit/s for each of the disc's sound tracks and 8 kbit/s for
// each subtitle a video keeps.
double EstimateDiscUsageMB(const MediaList& list, int videoKbps);

// "Fit to disc": the video bit rate (kbit/s) that fills disc's limit with
// seconds of video, after the sound, the menus and a safety margin; never
// below kFitMinKbps (the disc then overflows and the user is asked) nor above
// kFitMaxKbps.
inline constexpr int kFitMinKbps = 1500;
inline constexpr int kFitMaxKbps = 9200;
int FitToDiscKbps(double seconds, const DiscType& disc, int soundTracks = 1);

// The video bit rate of a job at quality (an index into QualityTable) for
// list on disc.
int VideoKbpsFor(int quality, const MediaList& list, const DiscType& disc);
