// The "author" entry: dvdauthor on real projects, and the discs it makes as a
// player walks them.
#include "AuthoringLibrary.h"
#include "engines/MenuPicture.h"
#include "support/DvdWalk.h"
#include "support/TestMedia.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using authoringtest::AuthoringLibrary;
using testsupport::DvdDomain;
using testsupport::DvdWalk;
using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

std::string Spu(const std::string& image, const std::string& highlight, const std::string& select) {
    return "<subpictures><stream><spu force=\"yes\" start=\"00:00:00.00\" image=\"" + image +
           "\" select=\"" + select + "\" highlight=\"" + highlight +
           "\" autooutline=\"infer\" outlinewidth=\"6\" "
           "autoorder=\"rows\"/></stream></subpictures>";
}

// The disc layout the pipeline writes: a title menu with "Play" and
// "Chapters", a root menu with one button per video, one title with a chapter
// per video that returns to the title menu.
std::string Project(const std::string& dest, const std::string& format,
                    const std::string& titleMenu, const std::string& rootMenu,
                    const std::vector<std::string>& vobs, bool pause = false) {
    const std::string hold = pause ? "\" pause=\"inf" : "";
    std::string xml = "<?xml version=\"1.0\"?>\n<dvdauthor dest=\"" + dest + "\"><vmgm><menus>" +
                      "<video format=\"" + format + "\"/><pgc entry=\"title\"><vob file=\"" +
                      titleMenu + hold + "\"/><button>jump title 1;</button>" +
                      "<button>jump titleset 1 menu;</button></pgc></menus></vmgm>" +
                      "<titleset><menus><video format=\"" + format +
                      "\"/><pgc entry=\"root\"><vob file=\"" + rootMenu + hold + "\"/>";
    for (size_t i = 1; i <= vobs.size(); ++i)
        xml += "<button>jump title 1 chapter " + std::to_string(i) + ";</button>";
    xml += "</pgc></menus><titles><pgc>";
    for (const auto& vob : vobs)
        xml += "<vob file=\"" + vob + "\"/>";
    xml += "<post>call vmgm menu;</post></pgc></titles></titleset></dvdauthor>";
    return xml;
}

class AuthorTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(library.Loaded()); }

    int Author(const std::string& project) { return library.Call("author", {"x", "-x", project}); }
    std::string WriteProject(const std::string& xml) {
        const std::string path = dir / "project";
        std::ofstream(path) << xml;
        return path;
    }
    // Muxes the overlays into a fresh still menu stream; empty on failure.
    std::string MenuStream(const std::string& name, bool pal, const std::string& image,
                           const std::string& highlight, const std::string& select) {
        const std::string still = dir / (name + "_still.mpg");
        const std::string control = dir / (name + ".xml");
        const std::string out = dir / (name + ".mpg");
        std::ofstream(control) << Spu(image, highlight, select);
        if (!testsupport::MakeDvdMpeg(still, pal, 1.0))
            return {};
        if (library.Call("subgen", {"spumux.exe", control, "-i", still, "-o", out}) != 0) {
            ADD_FAILURE() << library.LastError();
            return {};
        }
        return out;
    }
    // The root menu's overlays for count buttons on the thumbnail grid.
    bool RootOverlays(bool pal, int count) {
        const int w = 720, h = pal ? 576 : 480;
        std::vector<ButtonPosition> positions;
        for (int i = 0; i < count; ++i)
            positions.push_back(
                {(w - 612) / 2 + 10 + (i % 4) * 148, (h - 368) / 2 + 10 + (i / 4) * 116});
        ButtonOverlayRequest request{};
        SetOverlayPath(request.framePicture, QUORVA_BIN_DIR "o.png");
        SetOverlayPath(request.normalOutput, dir / "root_normal.png");
        SetOverlayPath(request.hoverOutput, dir / "root_hover.png");
        SetOverlayPath(request.selectOutput, dir / "root_select.png");
        request.positions = positions.data();
        request.buttonCount = count;
        request.canvasWidth = w;
        request.canvasHeight = h;
        request.buttonWidth = 128;
        request.buttonHeight = 96;
        auto component = CreateMenuPicture();
        const bool ok = component->MakeButtonOverlays(&request) == 0;
        EXPECT_TRUE(ok) << component->LastError();
        return ok;
    }
    // Builds the whole disc and returns the project path.
    std::string DiscProject(bool pal, int videos, const std::string& format, bool pause = false) {
        const std::string titleMenu = MenuStream(
            "title", pal, QUORVA_BIN_DIR "title_menu_normal.png",
            QUORVA_BIN_DIR "title_menu_hover.png", QUORVA_BIN_DIR "title_menu_select.png");
        if (titleMenu.empty() || !RootOverlays(pal, videos))
            return {};
        const std::string rootMenu = MenuStream("root", pal, dir / "root_normal.png",
                                                dir / "root_hover.png", dir / "root_select.png");
        std::vector<std::string> vobs;
        for (int i = 0; i < videos; ++i) {
            vobs.push_back(dir / ("video" + std::to_string(i) + ".vob"));
            if (!testsupport::MakeDvdMpeg(vobs.back(), pal, 1.0, true))
                return {};
        }
        if (rootMenu.empty())
            return {};
        return WriteProject(Project(dir / "DVD_1", format, titleMenu, rootMenu, vobs, pause));
    }

    AuthoringLibrary library;
    TempFolder dir;
};

class AuthorDiscTest : public AuthorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AuthorDiscTest, PlayerFindsTheMenusAndWhereTheirButtonsLead) {
    const bool pal = GetParam();
    const std::string project = DiscProject(pal, 3, pal ? "pal" : "ntsc");
    ASSERT_FALSE(project.empty());
    ASSERT_EQ(Author(project), 0) << library.LastError();
    EXPECT_EQ(library.LastError(), "");
    ASSERT_TRUE(fs::exists(dir / "DVD_1/VIDEO_TS/VTS_01_0.IFO"));

    auto walkOpened = DvdWalk::Open(dir / "DVD_1");
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    auto place = walk->Settle();
    ASSERT_EQ(place.domain, DvdDomain::ManagerMenu) << place.ToString();
    EXPECT_EQ(place.buttons, 2);
    place = walk->Press(1);  // "Play"
    EXPECT_EQ(place.domain, DvdDomain::Title) << place.ToString();
    EXPECT_EQ(place.title, 1);
    EXPECT_EQ(place.part, 1);

    place = walk->CallTitleMenu();
    ASSERT_EQ(place.domain, DvdDomain::ManagerMenu) << place.ToString();
    place = walk->Press(2);  // "Chapters"
    ASSERT_EQ(place.domain, DvdDomain::TitleSetMenu) << place.ToString();
    EXPECT_EQ(place.titleSet, 1);
    EXPECT_EQ(place.buttons, 3);
    place = walk->Press(3);
    EXPECT_EQ(place.domain, DvdDomain::Title) << place.ToString();
    EXPECT_EQ(place.part, 3);

    // The same disc as an image file, as the burner writes it.
    const auto iso = testsupport::RunCommand(
        {"genisoimage", "-quiet", "-dvd-video", "-o", dir / "disc.iso", dir / "DVD_1"});
    ASSERT_EQ(iso.status, 0) << iso.output;
    auto isoWalkOpened = DvdWalk::Open(dir / "disc.iso");
    ASSERT_TRUE(isoWalkOpened) << isoWalkOpened.error();
    auto isoWalk = std::move(*isoWalkOpened);
    EXPECT_EQ(isoWalk->Settle().buttons, 2);
}

TEST_F(AuthorTest, WalkTellsAStillMenuFromOneThatRunsOut) {
    for (const bool pause : {true, false}) {
        SCOPED_TRACE(pause ? "paused menus" : "menus without pause");
        fs::remove_all(dir / "DVD_1");
        const std::string project = DiscProject(false, 2, "ntsc", pause);
        ASSERT_FALSE(project.empty());
        ASSERT_EQ(Author(project), 0) << library.LastError();
        auto walkOpened = DvdWalk::Open(dir / "DVD_1");
        ASSERT_TRUE(walkOpened) << walkOpened.error();
        auto walk = std::move(*walkOpened);
        ASSERT_EQ(walk->Settle().domain, DvdDomain::ManagerMenu);
        EXPECT_EQ(walk->HoldsStill(), pause) << walk->Current().ToString();
        if (pause) {
            EXPECT_TRUE(walk->Current().still);
            const auto place = walk->Press(2);  // still pressable while it waits
            EXPECT_EQ(place.domain, DvdDomain::TitleSetMenu) << place.ToString();
            EXPECT_EQ(place.buttons, 2);
        } else {
            EXPECT_NE(walk->Current().domain, DvdDomain::ManagerMenu);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Standards, AuthorDiscTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Pal" : "Ntsc"; });

TEST_F(AuthorTest, PalMenusDeclaredNtscAreAFailure) {
    // dvdauthor only warns and writes an IFO that claims NTSC.
    const std::string project = DiscProject(true, 1, "ntsc");
    ASSERT_FALSE(project.empty());
    EXPECT_NE(Author(project), 0);
    EXPECT_NE(library.LastError().find("tv format"), std::string::npos) << library.LastError();
    EXPECT_FALSE(fs::exists(dir / "DVD_1"));
}

TEST_F(AuthorTest, ProjectWithAMissingStreamFailsAndRemovesTheNewFolder) {
    const std::string project = DiscProject(false, 1, "ntsc");
    ASSERT_FALSE(project.empty());
    fs::remove(dir / "video0.vob");
    EXPECT_NE(Author(project), 0);
    EXPECT_NE(library.LastError().find("ERR:"), std::string::npos) << library.LastError();
    EXPECT_FALSE(fs::exists(dir / "DVD_1"));
}

TEST_F(AuthorTest, FailureKeepsADestinationThatExistedBefore) {
    const std::string project = DiscProject(false, 1, "ntsc");
    ASSERT_FALSE(project.empty());
    fs::remove(dir / "video0.vob");
    fs::create_directory(dir / "DVD_1");
    std::ofstream(dir / "DVD_1/keep.txt") << "mine";
    EXPECT_NE(Author(project), 0);
    EXPECT_TRUE(fs::exists(dir / "DVD_1/keep.txt"));
}

TEST_F(AuthorTest, AFullDiskIsNamedWithTheFolderAndTheSystemsReason) {
    const std::string project = DiscProject(false, 2, "ntsc");
    ASSERT_FALSE(project.empty());
    // A small file system of its own, which the DVD folder overflows.
    const std::string small = dir / "small";
    fs::create_directory(small);
    if (geteuid() != 0 || mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system can only be mounted by root";
    std::ifstream file(project);
    std::string xml((std::istreambuf_iterator<char>(file)), {});
    const std::string dest = dir / "DVD_1";
    xml.replace(xml.find(dest), dest.size(), small + "/DVD_1");
    const int result = Author(WriteProject(xml));
    const std::string error = library.LastError();
    umount(small.c_str());
    EXPECT_NE(result, 0);
    EXPECT_NE(
        error.find("could not write the DVD folder " + small + "/DVD_1: No space left on device"),
        std::string::npos)
        << error;
}

TEST_F(AuthorTest, UnreadableProjectsAreRefused) {
    EXPECT_NE(Author(dir / "absent"), 0);
    EXPECT_NE(library.LastError().find("absent"), std::string::npos) << library.LastError();

    EXPECT_NE(Author(WriteProject("<dvdauthor dest=\"" + dir / "DVD_1" + "\"><vmgm>")), 0);
    EXPECT_FALSE(library.LastError().empty());
    EXPECT_FALSE(fs::exists(dir / "DVD_1"));

    EXPECT_NE(Author(WriteProject("")), 0);  // an empty project, as a failed save leaves it
    EXPECT_NE(library.Call("author", {"x"}), 0);
}

TEST_F(AuthorTest, MissingProgramFails) {
    const std::string project = WriteProject("<dvdauthor dest=\"" + dir / "DVD_1" + "\"/>");
    TempFolder empty;
    {
        authoringtest::EmptyPath path(empty.Path());
        EXPECT_NE(Author(project), 0);
    }
    EXPECT_NE(library.LastError().find("not found"), std::string::npos) << library.LastError();
    EXPECT_FALSE(fs::exists(dir / "DVD_1"));
}

}  // namespace
