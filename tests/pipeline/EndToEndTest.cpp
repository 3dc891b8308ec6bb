// From video files to a VIDEO_TS a player can use: three clips of different
// containers, sizes and rates (one without sound), checked with lsdvd and
// walked with libdvdnav as a player walks it.
#include <gtest/gtest.h>

#include <regex>

#include "pipeline/JobFixture.h"
#include "support/DvdWalk.h"

using testsupport::DvdDomain;
using testsupport::DvdPlace;
using testsupport::DvdWalk;

namespace {

struct DiscCase {
    const char* name;
    bool pal;
    bool fourThree;
};

std::vector<double> ChapterLengths(const std::string& lsdvd) {
    std::vector<double> lengths;
    std::regex chapter(R"(Chapter: \d+, Length: (\d+):(\d+):(\d+)\.(\d+))");
    for (std::sregex_iterator it(lsdvd.begin(), lsdvd.end(), chapter), end; it != end; ++it) {
        const std::smatch& m = *it;
        lengths.push_back(std::stoi(m[1]) * 3600 + std::stoi(m[2]) * 60 + std::stoi(m[3]) +
                          std::stoi(m[4]) / 1000.0);
    }
    return lengths;
}

}  // namespace

class EndToEnd : public JobFixture, public ::testing::WithParamInterface<DiscCase> {};

TEST_P(EndToEnd, ThreeClipsMakeADiscWithWorkingMenus) {
    const DiscCase& disc = GetParam();
    SetPal(disc.pal);
    SetAspect43(disc.fourThree);
    const std::string a = MakeClip(
        "a.avi", {"-f", "lavfi", "-i", "testsrc=size=640x360:rate=25:duration=3", "-f", "lavfi",
                  "-i", "sine=frequency=440:duration=3", "-c:v", "mpeg4", "-c:a", "libmp3lame"});
    const std::string b =
        MakeClip("b.mp4", {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=10:duration=2", "-c:v",
                           "libx264", "-pix_fmt", "yuv420p"});
    const std::string c = MakeClip(
        "c.mov",
        {"-f", "lavfi", "-i", "smptebars=size=720x405:rate=30000/1001:duration=2.5", "-f", "lavfi",
         "-i", "sine=frequency=880:duration=2.5", "-c:v", "mpeg4", "-c:a", "aac"});
    AddVideos({a, b, c});

    RecordingJobEvents events;
    const JobResult result = RunJob(events, JobChoices{.flags = JOB_CONVERT | JOB_MENUS});
    ASSERT_TRUE(events.Errors().empty()) << events.Errors().front();
    ASSERT_EQ(result.outcome, JobOutcome::Done);
    const std::string dvd = result.dvdFolder;
    EXPECT_EQ(dvd, WorkingFolder() + "DVD_1");

    // What a player's disc information shows.
    auto lsdvd = testsupport::RunCommand({"lsdvd", "-x", dvd});
    ASSERT_EQ(lsdvd.status, 0) << lsdvd.output;
    EXPECT_NE(lsdvd.output.find("Title: 01"), std::string::npos);
    EXPECT_EQ(lsdvd.output.find("Title: 02"), std::string::npos);
    EXPECT_NE(lsdvd.output.find(disc.pal ? "Format: PAL" : "Format: NTSC"), std::string::npos);
    EXPECT_NE(lsdvd.output.find(disc.fourThree ? "Aspect ratio: 4/3" : "Aspect ratio: 16/9"),
              std::string::npos);
    auto lengths = ChapterLengths(lsdvd.output);
    ASSERT_EQ(lengths.size(), 3u) << lsdvd.output;
    EXPECT_NEAR(lengths[0], 3.0, 0.15);
    EXPECT_NEAR(lengths[1], 2.0, 0.15);
    EXPECT_NEAR(lengths[2], 2.5, 0.15);

    // The title menu holds, Play plays the title, and the title's end comes
    // back to the title menu.
    auto walkOpened = DvdWalk::Open(dvd);
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    DvdPlace menu = walk->Settle();
    ASSERT_EQ(menu.domain, DvdDomain::ManagerMenu) << menu.ToString();
    EXPECT_EQ(menu.buttons, 2);
    EXPECT_TRUE(walk->HoldsStill()) << walk->Current().ToString();
    DvdPlace played = walk->Press(1);
    EXPECT_EQ(played.domain, DvdDomain::Title) << played.ToString();
    EXPECT_EQ(played.title, 1);
    EXPECT_EQ(played.part, 1);
    DvdPlace after = walk->PlayUntilMenu();
    ASSERT_EQ(after.domain, DvdDomain::ManagerMenu) << after.ToString();
    EXPECT_EQ(after.buttons, 2);

    // The second button opens the root menu; button i plays chapter i.
    DvdPlace root = walk->Press(2);
    ASSERT_EQ(root.domain, DvdDomain::TitleSetMenu) << root.ToString();
    EXPECT_EQ(root.buttons, 4);  // three videos and the way back
    EXPECT_TRUE(walk->HoldsStill()) << walk->Current().ToString();
    for (int i = 1; i <= 3; ++i) {
        if (i > 1) {
            DvdPlace again = walk->CallRootMenu();
            ASSERT_EQ(again.domain, DvdDomain::TitleSetMenu) << again.ToString();
        }
        DvdPlace chapter = walk->Press(i);
        EXPECT_EQ(chapter.domain, DvdDomain::Title) << chapter.ToString();
        EXPECT_EQ(chapter.title, 1);
        EXPECT_EQ(chapter.part, i);
    }
}

INSTANTIATE_TEST_SUITE_P(Discs, EndToEnd,
                         ::testing::Values(DiscCase{"Ntsc169", false, false},
                                           DiscCase{"Pal43", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });
