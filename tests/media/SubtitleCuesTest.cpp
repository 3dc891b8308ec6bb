// Subtitle files read for real with FFmpeg.
#include "media/SubtitleCues.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TestMedia.h"

TEST(SubtitleCues, AWindows1252FileKeepsItsAccentedLetters) {
    testsupport::TempFolder dir;
    // "Café déjà vu, señor" and "Grüße" in Windows-1252.
    std::ofstream(dir / "film.srt", std::ios::binary)
        << "1\r\n00:00:01,000 --> 00:00:02,000\r\nCaf\xE9 d\xE9j\xE0 vu, se\xF1or\r\n\r\n"
           "2\r\n00:00:03,000 --> 00:00:04,000\r\nGr\xFC\xDF"
           "e \x80 5\r\n";
    SubtitleTrack track;
    track.file = dir / "film.srt";
    const auto cues = ReadSubtitleCues(track);
    ASSERT_TRUE(cues) << cues.error();
    ASSERT_EQ(cues->size(), 2u);
    EXPECT_EQ((*cues)[0].text, "Café déjà vu, señor");
    EXPECT_EQ((*cues)[1].text, "Grüße € 5");
    EXPECT_DOUBLE_EQ((*cues)[1].start, 3.0);
    EXPECT_DOUBLE_EQ((*cues)[1].end, 4.0);
}
