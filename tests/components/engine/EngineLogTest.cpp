// FFmpeg's own messages about a damaged video stay off the terminal: the
// engine keeps them to the program's debug log, which QUORVA_DEBUG sends to
// standard error. After the call FFmpeg still logs through that route, not
// through the engine that has been unloaded.
#include <gtest/gtest.h>

#include <cstdlib>

extern "C" {
#include <libavutil/log.h>
}

#include "EngineTestKit.h"
#include "platform/Files.h"

namespace {

using namespace enginetest;

TEST(EngineLog, FfmpegMessagesGoToTheDebugLogOnly) {
    testsupport::TempFolder folder;
    const std::string clip = folder / "damaged.mpg";
    ASSERT_TRUE(
        MakeClip(clip, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2", "-f",
                        "lavfi", "-i", "sine=duration=2", "-c:v", "mpeg2video", "-c:a", "ac3"}));
    // A stretch of the middle lost: the decoders complain about what follows.
    std::string bytes = *platform::ReadFile(clip);
    bytes.replace(bytes.size() / 2, 20000, 5000, '\0');
    ASSERT_TRUE(platform::WriteFileAtomically(clip, bytes));
    auto thumbnail = [&] {
        testing::internal::CaptureStderr();
        RunEngine(ThumbnailText(clip, folder / "out.jpg"));
        return testing::internal::GetCapturedStderr();
    };

    const std::string quiet = thumbnail();
    EXPECT_EQ(quiet.find(" @ 0x"), std::string::npos) << quiet;

    setenv("QUORVA_DEBUG", "1", 1);
    const std::string debug = thumbnail();
    unsetenv("QUORVA_DEBUG");
    EXPECT_NE(debug.find("ffmpeg: [mpeg2video @ 0x"), std::string::npos) << debug;

    av_log(nullptr, AV_LOG_ERROR, "the program's route, the engine unloaded\n");
}

}  // namespace
