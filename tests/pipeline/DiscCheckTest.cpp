// The disc checker on discs the job makes: good discs of one page and of two
// root-menu pages pass every check, and discs broken on purpose are each
// caught with a message that names what is wrong.
#include <gtest/gtest.h>

#include <QImage>

#include "components/discchecker/DiscChecker.h"
#include "components/discchecker/DiscLayout.h"
#include "engines/DiscBurner.h"
#include "pipeline/JobContext.h"
#include "pipeline/JobFixture.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"
#include "settings/xml.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

using discchecker::CheckDisc;
using discchecker::DiscCheckReport;
using discchecker::DiscExpectation;

namespace {

// The first child of node named name (the project's elements are unique
// where the tests look).
CXMLAccess& Child(CXMLAccess& node, const std::string& name, std::size_t skip = 0) {
    for (CXMLAccess& child : node.children)
        if (child.name == name && skip-- == 0)
            return child;
    throw std::runtime_error("no " + name + " in " + node.name);
}

std::string Joined(const DiscCheckReport& report) {
    std::string text;
    for (const std::string& line : report.Text())
        text += line + "\n";
    return text;
}

}  // namespace

class DiscCheck : public BurnerJobFixture {
  protected:
    // count videos for the list: two short clips converted once, then
    // alternated (copies of their streams), so that chapters differ in length.
    void MakeVideos(std::size_t count) {
        AddVideos({MakeTestClip("one.avi", 1), MakeTestClip("two.avi", 1.6, false)});
        RecordingJobEvents convert;
        RunJob(convert, JobChoices{.flags = JOB_CONVERT});
        ASSERT_TRUE(convert.Errors().empty()) << convert.Errors().front();
        const MediaList clips = App().theMediaList;
        MediaList& list = App().theMediaList;
        list.clear();
        for (std::size_t i = 0; i < count; ++i) {
            MediaItem item = clips[i % 2];
            if (i >= 2) {
                item.vobPath = WorkingFolder() + "copy" + std::to_string(i) + ".vob";
                ASSERT_TRUE(platform::CopyFile(clips[i % 2].vobPath, item.vobPath));
            }
            list.push_back(item);
        }
    }

    DiscExpectation Expected() const {
        DiscExpectation expected;
        expected.videoCount = App().theMediaList.size();
        for (const MediaItem& item : App().theMediaList)
            expected.videoSeconds.push_back(item.info.duration);
        return expected;
    }

    // Runs a job; its log and errors stay for inspection.
    void Run(std::uint32_t flags, const std::string& label = "QorDVDVolume") {
        RecordingJobEvents events;
        const JobResult result = RunJob(events, JobChoices{flags, imageDevice_, label});
        log_ = events.LogLines();
        errors_ = events.Errors();
        failed_ = result.outcome == JobOutcome::Failed;
    }

    std::vector<std::string> log_;
    std::vector<std::string> errors_;
    bool failed_ = false;
};

struct GoodDisc {
    const char* name;
    std::size_t videos;
    bool pal;  // PAL 4:3, else NTSC 16:9
    std::size_t pages;
};

class GoodDiscs : public DiscCheck, public ::testing::WithParamInterface<GoodDisc> {};

TEST_P(GoodDiscs, PassEveryCheckInTheFolderAndTheImage) {
    const GoodDisc& disc = GetParam();
    SetPal(disc.pal);
    SetAspect43(disc.pal);
    MakeVideos(disc.videos);
    Run(JOB_MENUS | JOB_BURN, "CHECKED");
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const std::string passed =
        "Disc checked: " + std::to_string(disc.videos) + " videos, menus and buttons as expected";
    EXPECT_EQ(CountLines(log_, passed), 2);  // the folder, then the image
    EXPECT_EQ(CountLines(log_, "Verifying disc image"), 1);

    DiscExpectation expected = Expected();
    DiscCheckReport folder = CheckDisc(App().theDvdFolder, expected);
    EXPECT_TRUE(folder.AllPassed()) << Joined(folder);
    EXPECT_EQ(folder.videos, disc.videos);
    const std::string text = Joined(folder);
    EXPECT_EQ(CountLines(folder.Text(), "Root menu page"), static_cast<int>(disc.pages)) << text;
    EXPECT_TRUE(Contains(text, "Title menu: 2 buttons, holds as a still")) << text;

    expected.volumeLabel = "CHECKED";
    DiscCheckReport image = CheckDisc(App().theBurner->LastImagePath(), expected);
    EXPECT_TRUE(image.AllPassed()) << Joined(image);
    EXPECT_TRUE(Contains(Joined(image), "Volume label: \"CHECKED\"")) << Joined(image);
}

INSTANTIATE_TEST_SUITE_P(Discs, GoodDiscs,
                         ::testing::Values(GoodDisc{"OneVideoPal43", 1, true, 1},
                                           GoodDisc{"FourVideosNtsc169", 4, false, 1},
                                           GoodDisc{"TwelveVideosNtsc169", 12, false, 2},
                                           GoodDisc{"FourteenVideosPal43", 14, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Each broken disc is authored from an edited project and checked as the
// job checks its folder; the check fails the job with a message naming what
// is wrong. A whole job on a list whose stream is shorter than its video
// fails so before anything is burned.
TEST_F(DiscCheck, BrokenDiscsAreCaughtWithAMessageNamingWhatIsWrong) {
    MakeVideos(2);  // 1 s and 1.6 s
    const std::string shortVob = Media("short.vob");
    ASSERT_TRUE(testsupport::MakeDvdMpeg(shortVob, false, 0.5));
    const auto caught = [this](const char* message) {
        EXPECT_TRUE(failed_);
        ASSERT_EQ(errors_.size(), 1u);
        EXPECT_TRUE(Contains(errors_[0], "failed the disc check")) << errors_[0];
        EXPECT_TRUE(Contains(errors_[0], message)) << errors_[0];
        EXPECT_GE(CountLines(log_, "FAILED  "), 1);  // the report is in the log
        EXPECT_EQ(CountLines(log_, "Writing disc image"), 0);
    };
    struct Breakage {
        const char* name;
        std::function<void(CXMLAccess&)> edit;
        const char* message;
    };
    const std::vector<Breakage> breakages{
        {"title menu without pause",
         [](CXMLAccess& project) {
             auto& vob = Child(Child(Child(Child(project, "vmgm"), "menus"), "pgc"), "vob");
             std::erase_if(vob.attributes, [](const auto& a) { return a.first == "pause"; });
         },
         "Title menu: 2 buttons, does not wait for a button"},
        {"root button to the wrong chapter",
         [](CXMLAccess& project) {
             Child(Child(Child(Child(project, "titleset"), "menus"), "pgc"), "button").text =
                 "jump title 1 chapter 2;";
         },
         "button 1 of page 1 plays chapter 2, expected chapter 1"},
        {"chapter shorter than its video",
         [&](CXMLAccess& project) {
             auto& titles = Child(Child(project, "titleset"), "titles");
             Child(Child(titles, "pgc"), "vob", 1).SetValue("file", shortVob);
         },
         "Chapter lengths: video 2 plays 0.50 s"},
        {"audio stream listed that no video carries",
         [](CXMLAccess& project) {
             auto& titles = Child(Child(project, "titleset"), "titles");
             CXMLAccess french("audio", "");
             french.SetValue("lang", "fr");
             titles.children.insert(titles.children.begin() + 1, french);
         },
         "lists audio stream 2 (fr), which none of its videos carries"},
    };
    for (const Breakage& broken : breakages) {
        SCOPED_TRACE(broken.name);
        RecordingJobEvents events;
        const JobResult result =
            AuthorEdited(events, JobChoices{JOB_MENUS | JOB_BURN, imageDevice_, "QorDVDVolume"},
                         broken.edit, true);
        log_ = events.LogLines();
        errors_ = events.Errors();
        failed_ = result.outcome == JobOutcome::Failed;
        caught(broken.message);
    }
    const MediaItem second = App().theMediaList[1];
    App().theMediaList[1].vobPath = shortVob;
    Run(JOB_MENUS | JOB_BURN);
    App().theMediaList[1] = second;
    caught("Chapter lengths: video 2 plays 0.50 s");
    EXPECT_TRUE(App().theBurner->LastImagePath().empty());
    for (const auto& entry : std::filesystem::directory_iterator(WorkingFolder()))
        EXPECT_EQ(entry.path().filename().string().find(".iso"), std::string::npos)
            << entry.path();  // nothing written, not even a partial image

    // A good disc, written without the check after burning; then its folder
    // without the title menu's stream and its image cut short.
    App().theOptions.SetValue(keys::CHECK_DISC_AFTER_BURN, "0");
    Run(JOB_MENUS | JOB_BURN);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    EXPECT_EQ(CountLines(log_, "Disc checked: 2 videos"), 1);  // the folder only
    EXPECT_EQ(CountLines(log_, "Verifying"), 0);
    const std::string folder = App().theDvdFolder;
    ASSERT_TRUE(platform::RemoveFile(folder + "/VIDEO_TS/VIDEO_TS.VOB"));
    DiscCheckReport missing = CheckDisc(folder, Expected());
    EXPECT_FALSE(missing.AllPassed());
    EXPECT_TRUE(Contains(missing.Failures(), "VIDEO_TS.VOB (the title menu) is missing"))
        << Joined(missing);

    const std::string image = App().theBurner->LastImagePath();
    const auto size = platform::FileSize(image);
    ASSERT_EQ(truncate(image.c_str(), size / 2), 0);
    DiscCheckReport truncated = CheckDisc(image, Expected());
    EXPECT_FALSE(truncated.AllPassed());
    EXPECT_TRUE(Contains(truncated.Failures(), "Image size: the image is truncated: it holds " +
                                                   std::to_string(size / 2 / 2048) + " of the " +
                                                   std::to_string(size / 2048) + " sectors"))
        << Joined(truncated);
}

// NTSC time codes count 30 frames to their second while the pictures come at
// 30000/1001: a minute of video reads as a minute, not 59.94 s, as a long
// video would otherwise fail its length check.
TEST_F(DiscCheck, ChapterLengthsAreRealSecondsForNtscAndPal) {
    for (const bool pal : {false, true}) {
        const std::string name = pal ? "pal" : "ntsc";
        const std::string vob = Media(name + ".vob");
        ASSERT_TRUE(testsupport::MakeDvdMpeg(vob, pal, 60));
        const std::string dvd = Media("DVD_" + name);
        setenv("VIDEO_FORMAT", pal ? "PAL" : "NTSC", 1);
        ASSERT_EQ(testsupport::RunCommand({"dvdauthor", "-o", dvd, "-t", vob}).status, 0);
        ASSERT_EQ(testsupport::RunCommand({"dvdauthor", "-o", dvd, "-T"}).status, 0);
        const discchecker::DiscLayout layout = discchecker::ReadDiscLayout(dvd);
        ASSERT_EQ(layout.chapterSeconds.size(), 1u) << name << layout.error;
        EXPECT_NEAR(layout.chapterSeconds[0], 60.0, 0.05) << name;
    }
}

namespace {

// An information file, its numbers big-endian.
struct Ifo {
    std::string bytes;
    std::size_t At(std::size_t i, int size) const {
        std::size_t value = 0;
        for (int b = 0; b < size; ++b)
            value = value << 8 | static_cast<std::uint8_t>(bytes.at(i + b));
        return value;
    }
    void Set(std::size_t i, int size, std::size_t value) {
        for (int b = size - 1; b >= 0; --b, value >>= 8)
            bytes.at(i + b) = static_cast<char>(value & 0xff);
    }
    // The first program chain of the titles (of a title set's file) and of
    // the menus (of VIDEO_TS.IFO).
    std::size_t TitleChain() const { return Chain(At(0xcc, 4) * 2048); }
    std::size_t ManagerMenu() const {
        const std::size_t units = At(0xc8, 4) * 2048;
        return Chain(units + At(units + 12, 4));
    }
    std::size_t Chain(std::size_t table) const { return table + At(table + 12, 4); }
};

// Edits VIDEO_TS.IFO (set 0) or a title set's file, and its backup alike.
void EditIfo(const std::string& dvd, int set, const std::function<void(Ifo&)>& edit) {
    const std::string base =
        dvd + (set == 0 ? "/VIDEO_TS/VIDEO_TS" : "/VIDEO_TS/VTS_0" + std::to_string(set) + "_0");
    for (const char* ending : {".IFO", ".BUP"}) {
        Ifo ifo{platform::ReadFile(base + ending).value()};
        edit(ifo);
        ASSERT_TRUE(platform::WriteFileAtomically(base + ending, ifo.bytes));
    }
}

}  // namespace

// Discs a player's navigation cannot play (it aborts, never returns or reads
// past its tables) end their check at once, failed, naming what is wrong.
TEST_F(DiscCheck, UnplayableTablesFailTheCheckWithoutPlaying) {
    const std::string vob = Media("menu.vob");
    ASSERT_TRUE(testsupport::MakeDvdMpeg(vob, true, 1));
    setenv("VIDEO_FORMAT", "PAL", 1);
    const auto author = [&](const std::string& name, const std::string& menus) {
        const std::string xml = Media(name + ".xml"), dvd = Media(name);
        EXPECT_TRUE(platform::WriteFileAtomically(
            xml, "<dvdauthor dest=\"" + dvd + "\"><vmgm>" +
                     (menus.empty() ? "" : "<menus>" + menus + "</menus>") +
                     "</vmgm><titleset><titles><pgc><vob file=\"" + vob +
                     "\"/></pgc></titles></titleset></dvdauthor>"));
        EXPECT_EQ(testsupport::RunCommand({"dvdauthor", "-x", xml}).status, 0);
        return dvd;
    };
    const auto menu = [&](const std::string& pre) {
        return "<pgc><pre>" + pre + "</pre><vob file=\"" + vob + "\"/></pgc>";
    };
    const std::string self = author("self", menu("jump vmgm menu 1;"));
    const std::string pair = author("pair", menu("jump vmgm menu 2;") + menu("jump vmgm menu 1;"));
    const auto mapAtCell0 = [](Ifo& ifo) {
        const std::size_t chain = ifo.TitleChain();
        ifo.Set(chain + ifo.At(chain + 0xe6, 2), 1, 0);
    };
    const std::string mapAt0 = author("map", "");
    EditIfo(mapAt0, 1, mapAtCell0);
    const std::string noCells = author("cells", "");
    EditIfo(noCells, 1, [&](Ifo& ifo) {
        mapAtCell0(ifo);
        ifo.Set(ifo.TitleChain() + 3, 1, 0);
    });
    const std::string titles = author("titles", "");
    EditIfo(titles, 0, [](Ifo& ifo) { ifo.Set(ifo.At(0xc4, 4) * 2048, 2, 65535); });
    const std::string chapters = author("chapters", "");
    EditIfo(chapters, 0, [](Ifo& ifo) { ifo.Set(ifo.At(0xc4, 4) * 2048 + 10, 2, 999); });
    const std::string counts = author("counts", menu("g1 = 1;"));
    EditIfo(counts, 0, [](Ifo& ifo) {
        ifo.Set(ifo.ManagerMenu() + 2, 1, 200);
        ifo.Set(ifo.ManagerMenu() + 3, 1, 250);
    });
    const std::vector<std::pair<std::string, std::string>> discs{
        {self, "Program chains: navigation loop: manager menu 1 jumps to itself"},
        {pair,
         "Program chains: navigation loop: manager menu 1 to manager menu 2 to manager "
         "menu 1 jump round"},
        {mapAt0,
         "Program chains: title set 1 program chain 1 has program 1 starting at cell 0 "
         "of its 1 cells"},
        {noCells, "Program chains: title set 1 program chain 1 has 1 programs but no cells"},
        {titles, "Table counts: the title table claims 65535 titles and holds 1"},
        {chapters, "Table counts: title 1 claims 999 chapters, its title set lists 1"},
        {counts, "Table counts: manager menu 1 claims 200 programs and 250 cells"},
    };
    for (const auto& [dvd, message] : discs) {
        const auto start = std::chrono::steady_clock::now();
        const DiscCheckReport report = CheckDisc(dvd, DiscExpectation{});
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_FALSE(report.AllPassed()) << dvd;
        EXPECT_TRUE(Contains(report.Failures(), message)) << Joined(report);
    }
}

// Discs broken on purpose in their information files, as an attacker or a
// damaged disc would have them: every check ends within seconds, failed,
// with a message; none crashes or hangs.
TEST_F(DiscCheck, HostileDiscsEndFailedWithAMessage) {
    MakeVideos(2);
    Run(JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const std::string good = App().theDvdFolder;
    // Big-endian command bytes: jumps to the manager's first program chain,
    // to the root menu of title set 1, to the title menu; a link to chain 1,
    // and one made only when g0 equals g0 (a loop only playing finds).
    constexpr std::uint64_t kJumpToChain1 = 0x3006000100c00000, kJumpToRoot = 0x3006000101830000,
                            kJumpToTitleMenu = 0x3006000000420000, kLinkChain1 = 0x2004000000000001,
                            kLinkChain1IfG0IsG0 = 0x2024000000000001;
    const auto firstPre = [](const Ifo& ifo, std::size_t chain) {
        return chain + ifo.At(chain + 0xe4, 2) + 8;
    };
    const auto rootMenu = [](const Ifo& ifo) {
        const std::size_t units = ifo.At(0xd0, 4) * 2048;
        return ifo.Chain(units + ifo.At(units + 12, 4));
    };
    using Edit = std::function<void(Ifo&)>;
    struct Hostile {
        const char* name;
        int set;  // 0: VIDEO_TS.IFO
        Edit edit;
    };
    const auto titles = [](Ifo& ifo) { return ifo.At(0xc4, 4) * 2048; };
    const std::vector<Hostile> hostile{
        {"no titles", 0, [&](Ifo& i) { i.Set(titles(i), 2, 0); }},
        {"65535 titles", 0, [&](Ifo& i) { i.Set(titles(i), 2, 65535); }},
        {"no chapters", 0, [&](Ifo& i) { i.Set(titles(i) + 10, 2, 0); }},
        {"999 chapters", 0, [&](Ifo& i) { i.Set(titles(i) + 10, 2, 999); }},
        {"title in set 0", 0, [&](Ifo& i) { i.Set(titles(i) + 14, 1, 0); }},
        {"title in set 99", 0, [&](Ifo& i) { i.Set(titles(i) + 14, 1, 99); }},
        {"title 0 of its set", 0, [&](Ifo& i) { i.Set(titles(i) + 15, 1, 0); }},
        {"title 50 of its set", 0, [&](Ifo& i) { i.Set(titles(i) + 15, 1, 50); }},
        {"no title sets", 0, [](Ifo& i) { i.Set(0x3e, 2, 0); }},
        {"99 title sets", 0, [](Ifo& i) { i.Set(0x3e, 2, 99); }},
        {"65535 title sets", 0, [](Ifo& i) { i.Set(0x3e, 2, 65535); }},
        {"title table past the end", 0, [](Ifo& i) { i.Set(0xc4, 4, 0xffffff); }},
        {"title table shorter than its header", 0, [&](Ifo& i) { i.Set(titles(i) + 4, 4, 4); }},
        {"title table at the end of the file", 0,
         [](Ifo& i) { i.Set(0xc4, 4, i.bytes.size() / 2048); }},
        {"menu table past the end", 0, [](Ifo& i) { i.Set(0xc8, 4, 0xffffff); }},
        {"first play past the end", 0, [](Ifo& i) { i.Set(0x84, 4, 0xffffff); }},
        {"first play with 65535 pre-commands", 0,
         [](Ifo& i) {
             const std::size_t chain = i.At(0x84, 4);
             i.Set(chain + i.At(chain + 0xe4, 2), 2, 65535);
         }},
        {"menu without programs", 0, [](Ifo& i) { i.Set(i.ManagerMenu() + 2, 1, 0); }},
        {"menu map at cell 0", 0,
         [](Ifo& i) { i.Set(i.ManagerMenu() + i.At(i.ManagerMenu() + 0xe6, 2), 1, 0); }},
        {"menu without cells", 0, [](Ifo& i) { i.Set(i.ManagerMenu() + 3, 1, 0); }},
        {"menu of 200 programs, 250 cells", 0,
         [](Ifo& i) {
             i.Set(i.ManagerMenu() + 2, 1, 200);
             i.Set(i.ManagerMenu() + 3, 1, 250);
         }},
        {"menu map past the end", 0, [](Ifo& i) { i.Set(i.ManagerMenu() + 0xe6, 2, 0xfff0); }},
        {"menu cells past the end", 0, [](Ifo& i) { i.Set(i.ManagerMenu() + 0xe8, 2, 0xfff0); }},
        {"menu with 65535 pre-commands", 0,
         [](Ifo& i) { i.Set(i.ManagerMenu() + i.At(i.ManagerMenu() + 0xe4, 2), 2, 65535); }},
        {"title menu jumping to itself", 0,
         [&](Ifo& i) { i.Set(firstPre(i, i.ManagerMenu()), 8, kJumpToChain1); }},
        {"title menu jumping to the root menu", 0,
         [&](Ifo& i) { i.Set(firstPre(i, i.ManagerMenu()), 8, kJumpToRoot); }},
        {"first play jumping to a chapter menu the disc lacks", 0,
         [&](Ifo& i) { i.Set(firstPre(i, i.At(0x84, 4)), 8, kJumpToTitleMenu | 0x70000); }},
        {"title menu linking to itself on a condition", 0,
         [&](Ifo& i) { i.Set(firstPre(i, i.ManagerMenu()), 8, kLinkChain1IfG0IsG0); }},
        {"root menu linking to itself", 1,
         [&](Ifo& i) { i.Set(firstPre(i, rootMenu(i)), 8, kLinkChain1); }},
        {"root menu jumping to the title menu", 1,
         [&](Ifo& i) { i.Set(firstPre(i, rootMenu(i)), 8, kJumpToTitleMenu); }},
        {"root menu without a cell table in a set beyond the count", 1,
         [&](Ifo& i) { i.Set(rootMenu(i) + 0xe8, 2, 0); }},
        {"root menu table of 255 language units", 1,
         [&](Ifo& i) {
             i.Set(i.At(0xd0, 4) * 2048, 2, 255);
             i.Set(i.At(0xd0, 4) * 2048 + 4, 4, 0xffffffff);
         }},
        {"chapter table past the end", 1, [](Ifo& i) { i.Set(0xc8, 4, 0xffffff); }},
        {"title table of the set past the end", 1, [](Ifo& i) { i.Set(0xcc, 4, 0xffffff); }},
        {"cell addresses past the end", 1, [](Ifo& i) { i.Set(0xe0, 4, 0xffffff); }},
        {"chapter table at the end of the file", 1,
         [](Ifo& i) { i.Set(0xc8, 4, i.bytes.size() / 2048); }},
        {"title map at cell 0", 1,
         [](Ifo& i) { i.Set(i.TitleChain() + i.At(i.TitleChain() + 0xe6, 2), 1, 0); }},
        {"title without cells", 1, [](Ifo& i) { i.Set(i.TitleChain() + 3, 1, 0); }},
        {"title of 200 programs, 250 cells", 1,
         [](Ifo& i) {
             i.Set(i.TitleChain() + 2, 1, 200);
             i.Set(i.TitleChain() + 3, 1, 250);
         }},
        {"title cell ending past the disc", 1,
         [](Ifo& i) { i.Set(i.TitleChain() + i.At(i.TitleChain() + 0xe8, 2) + 20, 4, 0xfffffff); }},
        {"manager file cut short", 0, [](Ifo& i) { i.bytes.resize(1024); }},
        {"title set file cut short", 1, [](Ifo& i) { i.bytes.resize(2048); }},
    };
    // "title menu jumping to the root menu" gets the root menu's jump back
    // as well: a loop between the two. The set beyond the count is title set
    // 1 of a manager that claims none.
    for (const Hostile& broken : hostile) {
        SCOPED_TRACE(broken.name);
        const std::string dvd = Media(std::string("hostile ") + broken.name);
        std::filesystem::copy(good, dvd, std::filesystem::copy_options::recursive);
        EditIfo(dvd, broken.set, broken.edit);
        if (std::string(broken.name) == "title menu jumping to the root menu")
            EditIfo(dvd, 1, [&](Ifo& i) { i.Set(firstPre(i, rootMenu(i)), 8, kJumpToTitleMenu); });
        if (std::string(broken.name) == "root menu without a cell table in a set beyond the count")
            EditIfo(dvd, 0, [](Ifo& i) { i.Set(0x3e, 2, 0); });
        const auto start = std::chrono::steady_clock::now();
        const DiscCheckReport report = CheckDisc(dvd, Expected());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_FALSE(report.AllPassed()) << Joined(report);
        EXPECT_FALSE(report.Failures().empty());
        // The player's navigation is never let near a disc it crashes on.
        EXPECT_FALSE(Contains(report.Failures(), "navigation failed")) << Joined(report);
        if (std::string(broken.name) ==
            "root menu without a cell table in a set beyond the count") {
            EXPECT_TRUE(Contains(report.Failures(), "not one of the 0 title sets"))
                << Joined(report);
        }
        if (std::string(broken.name) == "title menu linking to itself on a condition") {
            EXPECT_TRUE(Contains(report.Failures(), "went round a loop")) << Joined(report);
        }
    }
}

// A cancel while the player's navigation goes round a loop of the disc's
// commands ends the job's check at once, not at the step's time limit.
TEST_F(DiscCheck, ACancelEndsTheCheckOfALoopingDiscAtOnce) {
    MakeVideos(1);
    Run(JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const std::string dvd = App().theDvdFolder;
    // The title menu's first command links to its chain when g0 equals g0.
    EditIfo(dvd, 0, [](Ifo& i) {
        const std::size_t menu = i.ManagerMenu();
        i.Set(menu + i.At(menu + 0xe4, 2) + 8, 8, 0x2024000000000001);
    });
    RecordingJobEvents events;
    platform::CancelSignal cancel;
    JobContext job(MakeJobInput(App(), JobChoices{}), events, cancel);
    std::chrono::steady_clock::time_point cancelled;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancelled = std::chrono::steady_clock::now();
        cancel.Cancel();
    });
    const platform::Result<void> checked =
        RunDiscCheck(job, dvd, dvd, Expected(), "The disc", false);
    const auto ended = std::chrono::steady_clock::now();
    canceller.join();
    EXPECT_LT(ended - cancelled, std::chrono::milliseconds(500));
    ASSERT_FALSE(checked);
    EXPECT_TRUE(Contains(checked.error(), "the check was stopped")) << checked.error();
}

TEST_F(DiscCheck, SubtitleStreamsListedMustBeThoseTheVideosCarry) {
    // A stream with one subtitle stream, authored by dvdauthor with one
    // listed stream and with two.
    const std::string plain = Media("plain.mpg");
    ASSERT_TRUE(testsupport::MakeDvdMpeg(plain, false, 2));
    QImage picture(120, 40, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(QString::fromStdString(Media("cue.png"))));
    std::ofstream(Media("cues.xml")) << "<subpictures><stream><spu start=\"00:00:00.50\" "
                                        "end=\"00:00:01.50\" image=\""
                                     << Media("cue.png") << "\"/></stream></subpictures>";
    const std::string withCues = Media("cues.mpg");
    auto muxed = testsupport::RunCommand({"spumux", "-s", "0", Media("cues.xml")}, plain, withCues);
    ASSERT_EQ(muxed.status, 0) << muxed.output;
    setenv("VIDEO_FORMAT", "NTSC", 1);
    for (const int listed : {1, 2}) {
        const std::string dvd = Media("DVD_" + std::to_string(listed));
        std::ofstream(Media("project.xml"))
            << "<dvdauthor dest=\"" << dvd << "\"><vmgm/><titleset><titles>"
            << (listed == 2 ? "<subpicture lang=\"en\"/><subpicture lang=\"fr\"/>"
                            : "<subpicture lang=\"en\"/>")
            << "<pgc><vob file=\"" << withCues << "\"/></pgc></titles></titleset></dvdauthor>";
        auto authored = testsupport::RunCommand({"dvdauthor", "-x", Media("project.xml")});
        ASSERT_EQ(authored.status, 0) << authored.output;
        const DiscCheckReport report = CheckDisc(dvd, {});
        if (listed == 1) {
            EXPECT_TRUE(Contains(Joined(report),
                                 "ok      Subtitle streams: 1 stream listed, each carried by the "
                                 "videos"))
                << Joined(report);
        } else {
            EXPECT_TRUE(Contains(report.Failures(),
                                 "Subtitle streams: title set 1 lists subtitle stream 2, which "
                                 "none of its videos carries"))
                << Joined(report);
        }
    }
}
