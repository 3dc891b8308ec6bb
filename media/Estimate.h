// The disc space a list of videos will take.
#pragma once

#include "media/MediaItem.h"

// Megabytes of the converted videos at the given video bit rate (kbit/s),
// counting 192 kbit/s for the sound.
double EstimateDiscUsageMB(const MediaList& list, int videoKbps);
