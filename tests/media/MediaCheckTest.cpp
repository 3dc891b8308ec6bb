// Which files can become a title, and the reason given for each one that
// cannot: made with the ffmpeg program and the file system, read for real.
#include "media/MediaCheck.h"
#include "support/TestMedia.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

using testsupport::TempFolder;

namespace {

std::string Clip(const TempFolder& dir, const std::string& name,
                 const std::vector<std::string>& args) {
    std::vector<std::string> argv{"ffmpeg", "-y", "-loglevel", "error"};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.push_back(dir / name);
    const auto made = testsupport::RunCommand(argv);
    EXPECT_EQ(made.status, 0) << made.output;
    return dir / name;
}

std::string Write(const TempFolder& dir, const std::string& name, const std::string& content) {
    std::ofstream(dir / name, std::ios::binary) << content;
    return dir / name;
}

}  // namespace

TEST(CheckVideoFile, RefusesWhatCannotBeATitleWithItsReason) {
    TempFolder dir;
    const std::string pipe = dir / "pipe.avi";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string locked = Write(dir, "locked.avi", "RIFF");
    chmod(locked.c_str(), 0);
    const std::string picture = "testsrc=size=64x48:rate=10:duration=1";
    const std::string sound = "sine=frequency=440:duration=1";
    // Written as a stream, a Matroska file never learns its length.
    const std::string live = dir / "live.mkv";
    ASSERT_EQ(testsupport::RunCommand({"ffmpeg", "-loglevel", "error", "-f", "lavfi", "-i", picture,
                                       "-c:v", "mpeg4", "-f", "matroska", "-"},
                                      "", live)
                  .status,
              0);

    const std::vector<std::pair<std::string, std::string>> refused{
        {dir / "missing.avi", "the file does not exist"},
        {dir.Path(), "it is a folder, not a video file"},
        {pipe, "it is a pipe, not a video file"},  // would block if it were opened
        {"/dev/zero", "it is a device, not a video file"},
        {Write(dir, "empty.avi", ""), "the file is empty"},
        {Write(dir, "notes.avi", "Holiday videos, first week\n"), "it is a text file, not a video"},
        {Write(dir, "notes.nfo", "line one\nline two\n"), "it is a text file, not a video"},
        {Write(dir, "junk.avi", std::string("\x01\x02\x03\xff junk", 9)),
         "its format cannot be read as a video (Invalid data found when processing input)"},
        {Clip(dir, "song.mp3", {"-f", "lavfi", "-i", sound}), "it has no video stream"},
        {live, "its play time is unknown"},
    };
    for (const auto& [path, reason] : refused) {
        const VideoFileCheck check = CheckVideoFile(path);
        EXPECT_FALSE(check.ok()) << path;
        EXPECT_EQ(check.reason, reason) << path;
    }
    if (geteuid() != 0) {  // the superuser reads anything
        EXPECT_EQ(CheckVideoFile(locked).reason, "it cannot be read (permission denied)");
    }

    // A clip without sound is usable and says so; facts come with it.
    const VideoFileCheck silent =
        CheckVideoFile(Clip(dir, "silent.avi", {"-f", "lavfi", "-i", picture, "-c:v", "mpeg4"}));
    ASSERT_TRUE(silent.ok()) << silent.reason;
    EXPECT_FALSE(silent.hasSound);
    EXPECT_EQ(silent.info.width, 64);
    EXPECT_EQ(silent.info.height, 48);
    EXPECT_NEAR(silent.info.duration, 1.0, 0.15);
    EXPECT_EQ(silent.info.audioSampleRate, 0);
    const VideoFileCheck both = CheckVideoFile(
        Clip(dir, "both.mp4", {"-f", "lavfi", "-i", picture, "-f", "lavfi", "-i", sound}));
    ASSERT_TRUE(both.ok()) << both.reason;
    EXPECT_TRUE(both.hasSound);
    EXPECT_EQ(both.info.audioSampleRate, 44100);
}
