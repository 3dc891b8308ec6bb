// The two probing uses: a 128 x 96 thumbnail and the 56-byte facts record.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstring>
#include <fstream>
#include <map>
#include <vector>

#include "EngineTestKit.h"
#include "media/MediaItem.h"
#include "platform/Files.h"

namespace {

using namespace enginetest;

class EngineProbe : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { folder = new testsupport::TempFolder; }
    // The named test clip, made on first use.
    static std::string Clip(const std::string& name) {
        static const std::map<std::string, std::vector<std::string>> kClips = {
            // Red for five seconds, then blue.
            {"red_then_blue.avi",
             {"-filter_complex",
              "color=red:s=320x240:d=5:r=25[a];color=blue:s=320x240:d=3:r=25[b];"
              "[a][b]concat=n=2:v=1:a=0",
              "-c:v", "mpeg4", "-q:v", "3"}},
            // Shorter than five seconds: red, then green at the end.
            {"short.mp4",
             {"-filter_complex",
              "color=red:s=320x240:d=1.5:r=25[a];color=green:s=320x240:d=0.5:r=25[b];"
              "[a][b]concat=n=2:v=1:a=0",
              "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"}},
            {"facts.mp4",
             {"-f",      "lavfi",     "-i",       "testsrc=size=320x240:rate=25:duration=3",
              "-f",      "lavfi",     "-i",       "sine=duration=3:sample_rate=44100",
              "-ac",     "2",         "-c:v",     "libx264",
              "-preset", "ultrafast", "-pix_fmt", "yuv420p",
              "-c:a",    "aac",       "-b:a",     "96k"}},
        };
        const std::string path = *folder / name;
        if (!platform::PathExists(path)) {
            EXPECT_TRUE(MakeClip(path, kClips.at(name)));
        }
        return path;
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    static testsupport::TempFolder* folder;
};
testsupport::TempFolder* EngineProbe::folder = nullptr;

QImage Thumbnail(const std::string& source, const std::string& output) {
    EXPECT_EQ(RunEngine(ThumbnailText(source, output)), 0);
    auto bytes = platform::ReadFile(output);
    if (!bytes || bytes->size() < 3 || static_cast<unsigned char>((*bytes)[0]) != 0xFF ||
        static_cast<unsigned char>((*bytes)[1]) != 0xD8) {
        ADD_FAILURE() << "no JPEG at " << output;
        return {};
    }
    QImage image;
    image.loadFromData(QByteArray::fromStdString(*bytes), "JPG");
    EXPECT_EQ(image.width(), 128);
    EXPECT_EQ(image.height(), 96);
    return image;
}

TEST_F(EngineProbe, ThumbnailIsTheFrameAtFiveSeconds) {
    const QImage image = Thumbnail(Clip("red_then_blue.avi"), *folder / "t1.jpg");
    ASSERT_FALSE(image.isNull());
    const QColor c = image.pixelColor(64, 48);
    EXPECT_GT(c.blue(), 200);
    EXPECT_LT(c.red(), 60);
}

TEST_F(EngineProbe, ThumbnailOfAShortVideoIsItsLastFrame) {
    const QImage image = Thumbnail(Clip("short.mp4"), *folder / "t2.jpg");
    ASSERT_FALSE(image.isNull());
    const QColor c = image.pixelColor(64, 48);
    EXPECT_GT(c.green(), 90);
    EXPECT_LT(c.red(), 60);
}

TEST_F(EngineProbe, ThumbnailIsTurnedUprightLikeThePlayerShowsIt) {
    const std::string source = *folder / "rotated.mp4";
    ASSERT_TRUE(
        MakeClip(source, {"-f", "lavfi", "-i",
                          "color=white:s=160x120:d=2,drawbox=x=80:y=0:w=80:h=120:"
                          "color=black:t=fill",
                          "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"}));
    ASSERT_TRUE(MarkRotated(source));
    const QImage image = Thumbnail(source, *folder / "t3.jpg");
    ASSERT_FALSE(image.isNull());
    // Stored: white left, black right. Shown: white on top, black below, 3:4
    // in the middle 72 columns with black bars beside it.
    EXPECT_GT(qGray(image.pixel(40, 10)), 200);
    EXPECT_GT(qGray(image.pixel(88, 10)), 200);
    EXPECT_LT(qGray(image.pixel(40, 86)), 50);
    EXPECT_LT(qGray(image.pixel(88, 86)), 50);
    EXPECT_LT(qGray(image.pixel(12, 10)), 40);
    EXPECT_LT(qGray(image.pixel(116, 10)), 40);
}

TEST_F(EngineProbe, MediaInfoFillsTheRecordFromTheSourcesFacts) {
    const std::string source = Clip("facts.mp4");
    const std::string scratch = *folder / "scratch";
    unsigned char record[56];
    std::memset(record, 0xAB, sizeof record);
    ASSERT_EQ(RunEngine(MediaInfoText(source, scratch, record)), 0);
    EXPECT_FALSE(platform::PathExists(scratch));  // nothing is encoded

    MediaInfo info;
    std::memcpy(&info, record, sizeof info);
    const Probe probe = ProbeFile(source);
    ASSERT_TRUE(probe.ok && probe.video.size() == 1 && probe.audio.size() == 1);
    EXPECT_EQ(info.width, 320);
    EXPECT_EQ(info.height, 240);
    EXPECT_DOUBLE_EQ(info.frameRate, 25.0);
    EXPECT_EQ(info.audioSampleRate, 44100);
    EXPECT_EQ(info.videoBitRate, static_cast<int>(Number(probe.video[0], "bit_rate")));
    EXPECT_EQ(info.audioBitRate, static_cast<int>(Number(probe.audio[0], "bit_rate")));
    EXPECT_GT(info.videoBitRate, 0);
    EXPECT_NEAR(info.audioBitRate, 96000, 10000);
    EXPECT_NEAR(info.duration, Number(probe.format, "duration"), 0.001);
    EXPECT_NEAR(info.duration, 3.0, 0.1);
    // Unused parts of the record are cleared, not left as they were.
    EXPECT_EQ(info.reserved0, 0);
    EXPECT_EQ(info.reserved44, 0);
    for (unsigned char b : info.reserved24)
        EXPECT_EQ(b, 0);
}

TEST_F(EngineProbe, MediaInfoOfAVideoWithoutSoundHasNoAudioFacts) {
    unsigned char record[56];
    std::memset(record, 0x5A, sizeof record);
    ASSERT_EQ(RunEngine(MediaInfoText(Clip("red_then_blue.avi"), *folder / "s2", record)), 0);
    MediaInfo info;
    std::memcpy(&info, record, sizeof info);
    EXPECT_EQ(info.audioBitRate, 0);
    EXPECT_EQ(info.audioSampleRate, 0);
    EXPECT_EQ(info.width, 320);
    EXPECT_NEAR(info.duration, 8.0, 0.1);
}

TEST_F(EngineProbe, MediaInfoEstimatesTheVideoRateWhereTheContainerKeepsNone) {
    const std::string source = *folder / "no_rates.mkv";
    ASSERT_TRUE(
        MakeClip(source, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2", "-c:v",
                          "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"}));
    const Probe probe = ProbeFile(source);
    ASSERT_TRUE(probe.ok && probe.video.size() == 1);
    ASSERT_FALSE(probe.video[0].contains("bit_rate")) << "the container now keeps a rate";
    MediaInfo info;
    unsigned char record[56] = {};
    ASSERT_EQ(RunEngine(MediaInfoText(source, *folder / "s3", record)), 0);
    std::memcpy(&info, record, sizeof info);
    EXPECT_EQ(info.videoBitRate, static_cast<int>(Number(probe.format, "bit_rate")));
    EXPECT_GT(info.videoBitRate, 0);
}

}  // namespace
