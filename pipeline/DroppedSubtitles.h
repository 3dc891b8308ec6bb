// The subtitles of a video the user left off the disc, as projects keep them:
// by number, from 1, in the order the video's subtitles are found.
#pragma once

#include <vector>

#include "media/MediaItem.h"

// The numbers of item's subtitles left off.
std::vector<int> DroppedSubtitles(const MediaItem& item);

// Leaves off those subtitles of item; numbers it does not have are ignored.
void DropSubtitles(MediaItem& item, const std::vector<int>& numbers);
