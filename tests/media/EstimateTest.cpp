// The disc estimate and the rate "Fit to disc" chooses.
#include <gtest/gtest.h>

#include "media/Estimate.h"

namespace {

MediaList VideosOf(std::initializer_list<double> seconds) {
    MediaList list;
    for (double s : seconds) {
        MediaItem item;
        item.info.duration = s;
        list.push_back(item);
    }
    return list;
}

TEST(Estimate, FitToDiscFillsTheDiscWithinItsLimits) {
    const DiscType& dvd5 = DiscTypeAt(0);
    const DiscType& dvd9 = DiscTypeAt(1);
    // Two hours on a DVD-5: the estimate at the chosen rate fills 95-100 %.
    const MediaList film = VideosOf({3600, 1800, 1800});
    const int kbps = VideoKbpsFor(kFitToDiscQuality, film, dvd5);
    const double used = EstimateDiscUsageMB(film, kbps);
    EXPECT_LE(used, dvd5.limitMB);
    EXPECT_GE(used, dvd5.limitMB * 0.95);
    EXPECT_GT(VideoKbpsFor(kFitToDiscQuality, film, dvd9), kbps);  // a bigger disc, more bits
    // Ten minutes: the most the disc format allows, not more.
    EXPECT_EQ(VideoKbpsFor(kFitToDiscQuality, VideosOf({600}), dvd5), kFitMaxKbps);
    // Ten hours would need under 1.5 Mbit/s: the rate stays there and the
    // estimate says the disc overflows, so the user is asked.
    const MediaList day = VideosOf({36000});
    EXPECT_EQ(VideoKbpsFor(kFitToDiscQuality, day, dvd5), kFitMinKbps);
    EXPECT_GT(EstimateDiscUsageMB(day, VideoKbpsFor(kFitToDiscQuality, day, dvd5)), dvd5.limitMB);
    // The fixed levels keep their table's figure.
    EXPECT_EQ(VideoKbpsFor(0, film, dvd5), 9800);
    EXPECT_EQ(VideoKbpsFor(3, film, dvd9), 2500);
    EXPECT_STREQ(QualityAt(kFitToDiscQuality).label, "Fit to disc");
}

// Every title carries the disc's sound tracks: "Fit to disc" leaves room for
// all of them.
TEST(Estimate, FitToDiscLeavesRoomForEverySoundTrack) {
    const DiscType& dvd5 = DiscTypeAt(0);
    MediaList film = VideosOf({7200});
    film[0].audioTracks = {AudioTrack{0, "en"}, AudioTrack{1, "fr"}, AudioTrack{2, "de"}};
    const int kbps = VideoKbpsFor(kFitToDiscQuality, film, dvd5);
    // What the converted stream holds: the picture and three 192 kbit/s tracks.
    const double streamMB = (kbps + 3 * 192) / 8.0 * 7200 / 1024;
    EXPECT_LE(streamMB, dvd5.limitMB);
    EXPECT_NEAR(EstimateDiscUsageMB(film, kbps), streamMB, 1);
}

}  // namespace
