#include "media/Estimate.h"

double EstimateDiscUsageMB(const MediaList& list, int videoKbps) {
    const double kilobytesPerSecond = (videoKbps + 192) / 8.0;
    double seconds = 0;
    for (const MediaItem& item : list)
        seconds += item.info.duration;
    return kilobytesPerSecond * seconds / 1024;
}
