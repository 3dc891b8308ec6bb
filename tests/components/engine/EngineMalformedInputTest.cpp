// Inputs and arguments that are not what they should be: the engine fails
// cleanly (non-zero, no output) or converts what can be read, and never
// crashes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <random>
#include <thread>

#include "EngineTestKit.h"
#include "media/MediaItem.h"
#include "platform/Files.h"

namespace {

using namespace enginetest;

class EngineMalformedInput : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder = new testsupport::TempFolder;
        MakeClip(*folder / "good.avi",
                 {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=3", "-f", "lavfi",
                  "-i", "sine=duration=3", "-c:v", "mpeg4", "-g", "10", "-c:a", "libmp3lame"});
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    // Every use of the engine on source must fail without leaving output.
    void ExpectEveryUseFails(const std::string& source) {
        const std::string vob = *folder / "out.vob";
        const std::string jpg = *folder / "out.jpg";
        EXPECT_NE(RunEngine(ConversionText(Target{}, source, vob, 0)), 0);
        EXPECT_FALSE(platform::PathExists(vob));
        EXPECT_FALSE(platform::PathExists(vob + ".part"));
        EXPECT_NE(RunEngine(ThumbnailText(source, jpg)), 0);
        EXPECT_FALSE(platform::PathExists(jpg));
        unsigned char record[56];
        std::fill(std::begin(record), std::end(record), 0x77);
        EXPECT_NE(RunEngine(MediaInfoText(source, *folder / "scratch", record)), 0);
        for (unsigned char b : record)
            ASSERT_EQ(b, 0) << "the record of an unreadable file is cleared";
    }
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = *folder / name;
        EXPECT_TRUE(platform::WriteFileAtomically(path, content));
        return path;
    }
    static testsupport::TempFolder* folder;
};
testsupport::TempFolder* EngineMalformedInput::folder = nullptr;

TEST_F(EngineMalformedInput, MissingEmptyAndNonMediaFilesFail) {
    ExpectEveryUseFails(*folder / "absent.avi");
    ExpectEveryUseFails(Write("empty.avi", ""));
    ExpectEveryUseFails(Write("letter.avi", "Dear friend,\nthis is not a video.\n"));
    ExpectEveryUseFails(folder->Path());  // a folder
}

TEST_F(EngineMalformedInput, DamagedPacketsAreSkipped) {
    auto bytes = platform::ReadFile(*folder / "good.avi");
    ASSERT_TRUE(bytes && bytes->size() > 10000);
    std::mt19937 random(7);
    for (std::size_t i = bytes->size() * 4 / 10; i < bytes->size() * 5 / 10; ++i)
        (*bytes)[i] = static_cast<char>(random());
    const std::string source = Write("damaged.avi", *bytes);
    const std::string output = *folder / "damaged.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{}, source, output, 0)), 0);
    const Probe probe = ProbeFile(output);
    ASSERT_TRUE(probe.ok);
    ASSERT_EQ(probe.video.size(), 1u);
    ASSERT_EQ(probe.audio.size(), 1u);
    // The damage costs pictures, not the length: what follows is still there.
    EXPECT_GT(Number(probe.video[0], "nb_read_packets"), 2.0 * 29.97);
}

// Damage scattered over files of several containers, headers included: every
// use either succeeds with a whole output or fails with none, and returns.
// Seed 7 once gave a packet a timestamp 12 hours off.
class ScatteredDamage : public EngineMalformedInput, public ::testing::WithParamInterface<int> {};

TEST_P(ScatteredDamage, NeverLeavesBrokenOutput) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> clips = {
        {"d.mp4", {"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"}},
        {"d.rm", {"-c:v", "rv10", "-c:a", "ac3"}},
        {"d.wmv", {"-c:v", "wmv1", "-c:a", "wmav1"}},
        {"d.mpg", {"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"}},
        {"d.mov", {"-c:v", "mjpeg", "-c:a", "pcm_s16le"}},
    };
    // ENGINE_DAMAGE_SEED picks other damage for a longer hunt by hand.
    const char* seed = std::getenv("ENGINE_DAMAGE_SEED");
    std::mt19937 random(seed ? std::strtoul(seed, nullptr, 10) : GetParam());
    for (const auto& [name, codecs] : clips) {
        SCOPED_TRACE(name);
        std::vector<std::string> args = {
            "-f", "lavfi", "-i", "testsrc=size=176x144:rate=25:duration=1.5",
            "-f", "lavfi", "-i", "sine=duration=1.5"};
        args.insert(args.end(), codecs.begin(), codecs.end());
        const std::string clean = *folder / name;
        if (!platform::PathExists(clean)) {
            ASSERT_TRUE(MakeClip(clean, args));
        }
        auto bytes = platform::ReadFile(clean);
        ASSERT_TRUE(bytes && bytes->size() > 1000);
        for (int hit = 0; hit < 40; ++hit) {
            const std::size_t at = random() % bytes->size();
            for (std::size_t i = at; i < std::min(bytes->size(), at + 16); ++i)
                (*bytes)[i] = static_cast<char>(random());
        }
        const std::string source = Write("damaged_" + name, *bytes);
        const std::string vob = *folder / "scattered.vob";
        const std::string jpg = *folder / "scattered.jpg";
        if (RunEngine(ConversionText(Target{}, source, vob, 0)) == 0) {
            const Probe probe = ProbeFile(vob);
            EXPECT_TRUE(probe.ok && probe.video.size() == 1 && probe.audio.size() == 1);
            // No runaway: at most the source's 1.5 seconds and a little.
            EXPECT_LT(Number(probe.video[0], "nb_read_packets"), 2 * 30);
        } else {
            EXPECT_FALSE(platform::PathExists(vob));
        }
        EXPECT_FALSE(platform::PathExists(vob + ".part"));
        if (RunEngine(ThumbnailText(source, jpg)) != 0) {
            EXPECT_FALSE(platform::PathExists(jpg));
        }
        unsigned char record[56] = {};
        RunEngine(MediaInfoText(source, *folder / "scratch", record));
        platform::RemoveFile(vob);
        platform::RemoveFile(jpg);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ScatteredDamage, ::testing::Values(7, 11));

TEST_F(EngineMalformedInput, TruncatedFileConvertsWhatIsThere) {
    auto bytes = platform::ReadFile(*folder / "good.avi");
    ASSERT_TRUE(bytes);
    const std::string source = Write("cut.avi", bytes->substr(0, bytes->size() / 2));
    const std::string output = *folder / "cut.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{}, source, output, 0)), 0);
    const Probe probe = ProbeFile(output);
    ASSERT_TRUE(probe.ok && probe.video.size() == 1);
    EXPECT_GT(Number(probe.video[0], "nb_read_packets"), 10);
}

TEST_F(EngineMalformedInput, SourceRemovedDuringTheCall) {
    auto bytes = platform::ReadFile(*folder / "good.avi");
    ASSERT_TRUE(bytes);
    const std::string source = Write("vanishing.avi", *bytes);
    const std::string output = *folder / "vanishing.vob";
    std::atomic<bool> done{false};
    int result = -1;
    std::thread worker([&] {
        result = RunEngine(ConversionText(Target{}, source, output, 0));
        done = true;
    });
    while (!done && platform::PathExists(source))
        platform::RemoveFile(source);
    worker.join();
    // Either the open file was read to its end or the call failed cleanly.
    if (result == 0)
        EXPECT_TRUE(ProbeFile(output).ok);
    else
        EXPECT_FALSE(platform::PathExists(output));
}

TEST_F(EngineMalformedInput, BadArgumentsAreRefused) {
    const std::string good = *folder / "good.avi";
    const std::string out = *folder / "args.vob";
    const std::string options = Target{}.EncodingOptions();
    const std::vector<std::string> texts = {
        "x",                                                      // nothing
        "x*" + options + "*" + good,                              // no output
        "x*" + options + "*" + good + "*-o",                      // option without its value
        "x*" + options + "*" + good + "*" + good + "*-o*" + out,  // two sources
        "x*-bogus*" + options + "*" + good + "*-o*" + out,        // unknown option
        "x*" + options + "*" + good + "*-o*" + out + "*-convert-status*12ab",
        "x*-vf*scale=0:480,harddup*-ofps*25*" + good + "*-o*" + out,
        "xengine.dll*" + good + "*-o*" + out + "*-media-info*0",
        "xencoder*mf://*-mf*type=jpg*" + options + "*-o*" + out,
        "xencoder*mf://a.gif*-mf*type=gif*" + options + "*-o*" + out,
    };
    for (const std::string& text : texts) {
        EXPECT_NE(RunEngine(text), 0) << text;
        EXPECT_FALSE(platform::PathExists(out)) << text;
    }
}

TEST_F(EngineMalformedInput, OnlyLocalRegularFilesAreReadAndPicturesWithinALimit) {
    const std::string good = *folder / "good.avi";
    ExpectEveryUseFails("/dev/zero");
    ExpectEveryUseFails("concat:" + good + "|" + good);  // another protocol
    ASSERT_EQ(symlink("/dev/zero", (*folder / "zero.jpg").c_str()), 0);
    // A menu picture list naming a device is refused at once, not read until
    // memory runs out (the child's address space is limited to make sure).
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const std::string& picture : {std::string("/dev/zero"), *folder / "zero.jpg"}) {
        const std::string text = "xencoder*mf://" + picture +
                                 "*-mf*w=720:h=480:fps=30000/1001:type=jpg*" +
                                 Target{}.EncodingOptions() + "*-o*" + *folder / "menu.vob";
        auto encodeLimited = [&text] {
            const rlimit limit{1536ull << 20, 1536ull << 20};
            setrlimit(RLIMIT_AS, &limit);
            std::_Exit(RunEngine(text) == 0 ? 0 : 3);
        };
        EXPECT_EXIT(encodeLimited(), ::testing::ExitedWithCode(3), "it is a device") << picture;
    }
}

TEST_F(EngineMalformedInput, UnwritableOutputFails) {
    const std::string out = *folder / "no/such/folder/out.vob";
    EXPECT_NE(RunEngine(ConversionText(Target{}, *folder / "good.avi", out, 0)), 0);
    EXPECT_NE(RunEngine(ThumbnailText(*folder / "good.avi", *folder / "no/such/t.jpg")), 0);
}

}  // namespace
