// The texts and documents a job hands to the engines: encoder options, the
// conversion command, the root-menu grid, the spumux control file, the DVD
// project and the choice of the output folder.
#include <gtest/gtest.h>

#include <QRect>
#include "pipeline/RootMenuPages.h"

#include "engines/CallLibraryEntry.h"
#include "pipeline/JobFixture.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"

namespace {

JobParameters Ntsc169(int kbps) {
    JobParameters parameters;  // NTSC, 720x480, 16:9
    parameters.videoBitRate = kbps;
    return parameters;
}
JobParameters Pal43(int kbps) {
    JobParameters parameters = Ntsc169(kbps);
    parameters.tvStandard = 1;
    parameters.height = 576;
    parameters.fpsNum = 25;
    parameters.fpsDen = 1;
    parameters.aspectNum = 4;
    parameters.aspectDen = 3;
    return parameters;
}

std::vector<std::string> Split(std::string text) {
    std::vector<char*> argv(256);
    int argc = 0;
    SplitArgumentString(text.data(), argc, argv.data());
    return std::vector<std::string>(argv.begin(), argv.begin() + argc);
}

const CXMLAccess* Child(const CXMLAccess& node, const std::string& name, int nth = 0) {
    for (const CXMLAccess& child : node.children)
        if (child.name == name && nth-- == 0)
            return &child;
    return nullptr;
}

std::vector<std::string> Texts(const CXMLAccess& node, const std::string& name) {
    std::vector<std::string> texts;
    for (const CXMLAccess& child : node.children)
        if (child.name == name)
            texts.push_back(child.text);
    return texts;
}

}  // namespace

TEST(ConversionTexts, OptionsFillEveryPlaceholderForTheTvStandard) {
    const std::string ntsc = BuildEncodingOptions(Ntsc169(9800));
    EXPECT_EQ(ntsc,
              "-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=720:480,harddup*"
              "-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:vrc_buf_size=1835:"
              "vrc_maxrate=9800:vbitrate=9800:keyint=18:vstrict=0:acodec=ac3:abitrate=192:"
              "aspect=16/9*-ofps*30000/1001");
    const std::string pal = BuildEncodingOptions(Pal43(1700));
    EXPECT_NE(pal.find("scale=720:576,harddup"), std::string::npos);
    EXPECT_NE(pal.find("vrc_maxrate=1700:vbitrate=1700:keyint=15:"), std::string::npos);
    EXPECT_NE(pal.find("aspect=4/3*-ofps*25/1"), std::string::npos);
    EXPECT_EQ(pal.find('('), std::string::npos);
}

TEST(ConversionTexts, CommandSplitsIntoTwentyFourArgumentsWithA64BitAddress) {
    ProgressLink link;
    const std::string command = BuildConvertCommand(
        BuildEncodingOptions(Ntsc169(5000)), "/videos/my trip.avi", "/work/1_my trip.vob", &link);
    auto args = Split(command);
    ASSERT_EQ(args.size(), 24u);
    EXPECT_EQ(args[0], "x");
    EXPECT_EQ(args[19], "/videos/my trip.avi");
    EXPECT_EQ(args[20], "-o");
    EXPECT_EQ(args[21], "/work/1_my trip.vob");
    EXPECT_EQ(args[22], "-convert-status");
    EXPECT_EQ(std::stoll(args[23]), reinterpret_cast<std::intptr_t>(&link));
}

TEST(RootMenuGrid, FourColumnsThreeRowsAndTheBackButtonInsideTheTitleSafeArea) {
    auto ntsc = RootMenuPositions(720, 480, 12);
    ASSERT_EQ(ntsc.size(), 12u);
    EXPECT_EQ(ntsc[0].x, 74);
    EXPECT_EQ(ntsc[0].y, 50);
    EXPECT_EQ(ntsc[3].x, 518);
    EXPECT_EQ(ntsc[4].y, 166);
    EXPECT_EQ(ntsc[11].y, 282);
    auto pal = RootMenuPositions(720, 576, 5);
    ASSERT_EQ(pal.size(), 5u);
    EXPECT_EQ(pal[4].y, 214);
    EXPECT_EQ(pal[4].x, 74);
    EXPECT_EQ(RootMenuPositions(720, 480, 13).size(), 12u);
    EXPECT_TRUE(RootMenuPositions(720, 480, 0).empty());
    // Thumbnails with their names, and the back button below them, stay a
    // tenth of the frame away from every edge; nothing overlaps.
    for (int height : {480, 576}) {
        const QRect safe(72, height / 10, 576, height - 2 * (height / 10));
        const QRect back = BackButtonRect(720, height);
        EXPECT_TRUE(safe.contains(back)) << height;
        for (const GridPosition& p : RootMenuPositions(720, height, 12)) {
            const QRect cell(p.x, p.y, 128, 96 + kNameHeight);
            EXPECT_TRUE(safe.contains(cell)) << height << ": " << p.x << "," << p.y;
            EXPECT_FALSE(cell.intersects(back));
        }
    }
    EXPECT_EQ(VideoName("/v/Summer.2019.trip.mp4"), "Summer.2019.trip");
    EXPECT_EQ(VideoName("/v/noext"), "noext");
}

TEST(MenuDocuments, SpumuxControlNamesTheOverlaysInOrder) {
    CXMLAccess control = BuildSubpictureControl("n.png", "s.png", "h.png");
    EXPECT_EQ(control.name, "subpictures");
    ASSERT_EQ(control.children.size(), 1u);
    ASSERT_EQ(control.children[0].children.size(), 1u);
    const CXMLAccess& spu = control.children[0].children[0];
    EXPECT_EQ(spu.name, "spu");
    std::vector<std::pair<std::string, std::string>> expected{
        {"force", "yes"},      {"start", "00:00:00.00"}, {"image", "n.png"},
        {"select", "s.png"},   {"highlight", "h.png"},   {"autooutline", "infer"},
        {"outlinewidth", "6"}, {"autoorder", "rows"}};
    EXPECT_EQ(spu.attributes, expected);
}

TEST(MenuDocuments, ProjectHasHoldingMenusAChapterButtonPerVideoAndOneTitle) {
    MediaList list(14);
    for (size_t i = 0; i < list.size(); ++i)
        list[i].vobPath = "/w/" + std::to_string(i) + ".vob";
    MenuMovies movies{"/t/title.mpg", {"/t/root1.mpg", "/t/root2.mpg"}};
    CXMLAccess project = BuildDvdProject("/w/DVD_1", Pal43(5000), list, movies);

    EXPECT_EQ(project.name, "dvdauthor");
    EXPECT_EQ(project.GetValue("dest"), "/w/DVD_1");
    const CXMLAccess* vmgmMenus = Child(*Child(project, "vmgm"), "menus");
    ASSERT_NE(vmgmMenus, nullptr);
    EXPECT_EQ(Child(*vmgmMenus, "video")->GetValue("format"), "pal");
    const CXMLAccess* titlePgc = Child(*vmgmMenus, "pgc");
    EXPECT_EQ(titlePgc->GetValue("entry"), "title");
    EXPECT_EQ(Child(*titlePgc, "vob")->GetValue("file"), "/t/title.mpg");
    EXPECT_EQ(Child(*titlePgc, "vob")->GetValue("pause"), "inf");
    EXPECT_EQ(Texts(*titlePgc, "button"),
              (std::vector<std::string>{"jump title 1;", "jump titleset 1 menu;"}));

    const CXMLAccess* titleset = Child(project, "titleset");
    const CXMLAccess* rootPgc = Child(*Child(*titleset, "menus"), "pgc");
    EXPECT_EQ(Child(*Child(*titleset, "menus"), "video")->GetValue("format"), "pal");
    EXPECT_EQ(rootPgc->GetValue("entry"), "root");
    EXPECT_EQ(Child(*rootPgc, "vob")->GetValue("pause"), "inf");
    // Fourteen videos need two pages of nine, turned by Previous/Next
    // buttons; every page leads back to the title menu.
    auto buttons = Texts(*rootPgc, "button");
    ASSERT_EQ(buttons.size(), 11u);
    EXPECT_EQ(buttons[0], "jump title 1 chapter 1;");
    EXPECT_EQ(buttons[8], "jump title 1 chapter 9;");
    EXPECT_EQ(buttons[9], "jump menu 2;");
    EXPECT_EQ(buttons[10], "jump vmgm menu entry title;");
    const CXMLAccess* secondPage = Child(*Child(*titleset, "menus"), "pgc", 1);
    ASSERT_NE(secondPage, nullptr);
    EXPECT_EQ(secondPage->GetValue("entry"), "");
    EXPECT_EQ(Child(*secondPage, "vob")->GetValue("file"), "/t/root2.mpg");
    EXPECT_EQ(Texts(*secondPage, "button"),
              (std::vector<std::string>{"jump title 1 chapter 10;", "jump title 1 chapter 11;",
                                        "jump title 1 chapter 12;", "jump title 1 chapter 13;",
                                        "jump title 1 chapter 14;", "jump menu 1;",
                                        "jump vmgm menu entry title;"}));

    const CXMLAccess* titlePlay = Child(*Child(*titleset, "titles"), "pgc");
    ASSERT_EQ(titlePlay->children.size(), 15u);
    EXPECT_EQ(titlePlay->children[2].GetValue("file"), "/w/2.vob");
    EXPECT_EQ(titlePlay->children.back().name, "post");
    EXPECT_EQ(titlePlay->children.back().text, "call vmgm menu;");

    EXPECT_EQ(Child(*Child(*titleset, "menus"), "video")->GetValue("widescreen"), "");
    // 16:9 menus are shown letterboxed on a 4:3 television, never cut.
    CXMLAccess ntsc = BuildDvdProject("/w/DVD_1", Ntsc169(5000), list, movies);
    const CXMLAccess* ntscVideo = Child(*Child(*Child(ntsc, "vmgm"), "menus"), "video");
    EXPECT_EQ(ntscVideo->GetValue("format"), "ntsc");
    EXPECT_EQ(ntscVideo->GetValue("widescreen"), "nopanscan");
}

class DvdFolderChoice : public JobFixture {};

TEST_F(DvdFolderChoice, TakesTheFirstFreeNumber) {
    const std::string work = WorkingFolder();
    ASSERT_TRUE(platform::CreateFolders(work));
    EXPECT_EQ(ChooseDvdFolder(work), work + "DVD_1");

    ASSERT_TRUE(platform::CreateFolder(work + "DVD_2"));
    EXPECT_EQ(ChooseDvdFolder(work), work + "DVD_1");  // only DVD_2 taken

    ASSERT_TRUE(platform::WriteFileAtomically(work + "DVD_1", "a plain file"));
    EXPECT_EQ(ChooseDvdFolder(work), work + "DVD_3");  // a file named DVD_1 counts as taken
}

TEST_F(DvdFolderChoice, ProbeNamesOutputsByTheRunningNumber) {
    App().theOptions.SetIntValue(keys::FILENAME_SN, 7);
    EXPECT_EQ(MakeVobPath("/w/", 7, "/v/trip.part1.avi"), "/w/7_trip.vob");
    EXPECT_EQ(MakeVobPath("/w/", 3, "/v/a.b.c.mpg"), "/w/3_a.vob");
    EXPECT_EQ(MakeVobPath("/w/", 4, "/v/noext"), "/w/4_noext");

    // Two files of the same name in different folders get different names;
    // the number goes up once per added video, whatever the file holds.
    const std::string a = MakeTestClip("same.avi", 1, false);
    ProbeResult first = ProbeMediaFile(a);
    ProbeResult second = ProbeMediaFile(a);
    EXPECT_EQ(first.item.vobPath, WorkingFolder() + "7_same.vob");
    EXPECT_EQ(second.item.vobPath, WorkingFolder() + "8_same.vob");
    EXPECT_EQ(App().theOptions.GetValue(keys::FILENAME_SN), "9");
    EXPECT_NE(first.item.infoText.find("\nAudio: no sound\n"), std::string::npos);

    // Refused files take no number, and the message names the file and why.
    ProbeResult refused = ProbeMediaFile(Media("star*.avi"));
    EXPECT_NE(refused.error.find("star*.avi"), std::string::npos);
    const std::string junk = Media("junk.avi");
    ASSERT_TRUE(platform::WriteFileAtomically(junk, "not a video"));
    refused = ProbeMediaFile(junk);
    EXPECT_EQ(refused.error, "Cannot use " + junk + ": it is a text file, not a video.");
    // No temp folder can be made (the temp path is a file): the video is
    // refused saying so, and the program goes on.
    setenv("TMPDIR", (junk + "/").c_str(), 1);
    refused = ProbeMediaFile(a);
    EXPECT_EQ(refused.error.rfind("Cannot use " + a +
                                      ": Quorva cannot make a temporary file to read it in "
                                      "(Can't create temp directory! Cannot create the folder " +
                                      junk + "/Velmora-",
                                  0),
              0u)
        << refused.error;
    EXPECT_EQ(App().theOptions.GetValue(keys::FILENAME_SN), "9");
}

TEST(PlayTime, FormatsHoursMinutesAndMilliseconds) {
    EXPECT_EQ(FormatPlayTime(3725.25), "1h 2m 5.250s");
    EXPECT_EQ(FormatPlayTime(3605.5), "1h0m 5.500s");
    EXPECT_EQ(FormatPlayTime(65.25), " 1m 5.250s");
    EXPECT_EQ(FormatPlayTime(7.0), " 7.000s");
    EXPECT_EQ(FormatPlayTime(0.0625), " 0.062s");
    EXPECT_EQ(FormatPlayTime(7200), "2h0m 0.000s");
}

TEST(PlayTime, DescriptionShowsThousandsTruncatedAndTwoDecimalKilohertz) {
    MediaInfo info{};
    info.videoBitRate = 1499999;
    info.width = 720;
    info.height = 480;
    info.frameRate = 29.97;
    info.audioBitRate = 192000;
    info.audioSampleRate = 44100;
    info.duration = 7;
    EXPECT_EQ(DescribeMedia("/v/a.avi", info),
              "File: /v/a.avi\nVideo: 1499KBps 720x480 29.97fps \nAudio: 192KBps 44.10KHz\n"
              "Play time:  7.000s\n");
}
