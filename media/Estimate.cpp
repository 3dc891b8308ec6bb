#include "media/Estimate.h"

#include "media/AudioTracks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSoundKbps = 192;
// A subpicture stream of text subtitles: a few pictures a minute, each a few
// kilobytes.
constexpr int kSubtitleKbps = 8;
// Room kept for the title and root menus, and a share of the disc kept free
// for what the estimate does not see (the encoder's deviation from its
// average rate, file-system tables).
constexpr double kMenusMB = 24;
constexpr double kMarginShare = 0.02;

double TotalSeconds(const MediaList& list) {
    double seconds = 0;
    for (const MediaItem& item : list)
        seconds += item.info.duration;
    return seconds;
}

}  // namespace

double EstimateDiscUsageMB(const MediaList& list, int videoKbps) {
    const double kilobytesPerSecond = (videoKbps + kSoundKbps * DiscAudioTrackCount(list)) / 8.0;
    double subtitleKilobytes = 0;
    for (const MediaItem& item : list)
        for (const SubtitleTrack& track : item.subtitles)
            if (track.kept && track.problem.empty())
                subtitleKilobytes += kSubtitleKbps / 8.0 * item.info.duration;
    return (kilobytesPerSecond * TotalSeconds(list) + subtitleKilobytes) / 1024;
}

int FitToDiscKbps(double seconds, const DiscType& disc, int soundTracks) {
    if (!(seconds > 0))
        return kFitMaxKbps;
    const double usableMB = disc.limitMB * (1 - kMarginShare) - kMenusMB;
    const double kbps = usableMB * 1024 * 8 / seconds - kSoundKbps * std::max(1, soundTracks);
    return static_cast<int>(std::clamp(std::floor(kbps), double{kFitMinKbps}, double{kFitMaxKbps}));
}

int VideoKbpsFor(int quality, const MediaList& list, const DiscType& disc) {
    const Quality& row = QualityAt(quality);
    if (&row == &QualityAt(kFitToDiscQuality))
        return FitToDiscKbps(TotalSeconds(list), disc, DiscAudioTrackCount(list));
    return row.videoKbps;
}
