// The "subgen" entry: spumux over real menu streams.
#include "AuthoringLibrary.h"
#include "support/TestMedia.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using authoringtest::AuthoringLibrary;
using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

std::string ControlFile(const TempFolder& dir, const std::string& image,
                        const std::string& highlight, const std::string& select) {
    const std::string path = dir / "control.xml";
    std::ofstream(path) << "<subpictures><stream><spu force=\"yes\" start=\"00:00:00.00\" image=\""
                        << image << "\" select=\"" << select << "\" highlight=\"" << highlight
                        << "\" autooutline=\"infer\" outlinewidth=\"6\" autoorder=\"rows\"/>"
                        << "</stream></subpictures>";
    return path;
}

std::string InstalledControlFile(const TempFolder& dir) {
    return ControlFile(dir, QUORVA_BIN_DIR "title_menu_normal.png",
                       QUORVA_BIN_DIR "title_menu_hover.png",
                       QUORVA_BIN_DIR "title_menu_select.png");
}

// Files of the folder other than the given ones (leftover temporaries).
std::vector<std::string> Others(const TempFolder& dir, std::vector<std::string> known) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        if (std::find(known.begin(), known.end(), name) == known.end())
            others.push_back(name);
    }
    return others;
}

class SubgenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(library.Loaded());
        ASSERT_TRUE(testsupport::MakeDvdMpeg(dir / "menu.mpg", false, 1.0));
    }
    int Subgen(const std::string& control, const std::string& in, const std::string& out) {
        return library.Call("subgen", {"spumux.exe", control, "-i", in, "-o", out});
    }
    AuthoringLibrary library;
    TempFolder dir;
};

TEST_F(SubgenTest, MultiplexesTheButtonsIntoANewStream) {
    const std::string control = InstalledControlFile(dir);
    ASSERT_EQ(Subgen(control, dir / "menu.mpg", dir / "out.mpg"), 0) << library.LastError();
    EXPECT_EQ(library.LastError(), "");
    ASSERT_TRUE(fs::exists(dir / "out.mpg"));
    // The subpicture stream makes the output larger than the input.
    EXPECT_GT(fs::file_size(dir / "out.mpg"), fs::file_size(dir / "menu.mpg"));
    const auto probe =
        testsupport::RunCommand({"ffprobe", "-v", "error", "-show_entries", "stream=codec_name",
                                 "-of", "csv=p=0", dir / "out.mpg"});
    EXPECT_NE(probe.output.find("dvd_subtitle"), std::string::npos) << probe.output;
    EXPECT_TRUE(Others(dir, {"menu.mpg", "out.mpg", "control.xml"}).empty());
}

TEST_F(SubgenTest, MissingInputFailsWithoutOutput) {
    const std::string control = InstalledControlFile(dir);
    EXPECT_NE(Subgen(control, dir / "absent.mpg", dir / "out.mpg"), 0);
    EXPECT_NE(library.LastError().find("absent.mpg"), std::string::npos) << library.LastError();
    EXPECT_TRUE(Others(dir, {"menu.mpg", "control.xml"}).empty());
}

TEST_F(SubgenTest, MissingControlFileFailsWithoutOutput) {
    EXPECT_NE(Subgen(dir / "absent.xml", dir / "menu.mpg", dir / "out.mpg"), 0);
    EXPECT_FALSE(library.LastError().empty());
    EXPECT_TRUE(Others(dir, {"menu.mpg"}).empty());
}

TEST_F(SubgenTest, ButtonWithTooManyColoursIsAFailureAndKeepsTheOldOutput) {
    // Six colours inside one button: spumux cannot pick button masks, says
    // so and "0 subtitles added", and exits with status 0.
    QImage stripes(720, 480, QImage::Format_ARGB32);
    stripes.fill(Qt::transparent);
    const QRgb colours[] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),
                            qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)};
    for (int y = 100; y < 160; ++y)
        for (int x = 100; x < 160; ++x)
            stripes.setPixel(x, y, colours[(x - 100) / 10]);
    ASSERT_TRUE(stripes.save(QString::fromStdString(dir / "stripes.png")));
    const std::string control = ControlFile(dir, QUORVA_BIN_DIR "title_menu_normal.png",
                                            dir / "stripes.png", dir / "stripes.png");
    std::ofstream(dir / "out.mpg") << "previous";

    EXPECT_NE(Subgen(control, dir / "menu.mpg", dir / "out.mpg"), 0);
    EXPECT_NE(library.LastError().find("ERR:"), std::string::npos) << library.LastError();
    std::ifstream old(dir / "out.mpg");
    std::string text;
    old >> text;
    EXPECT_EQ(text, "previous");
    EXPECT_TRUE(Others(dir, {"menu.mpg", "out.mpg", "control.xml", "stripes.png"}).empty());
}

TEST_F(SubgenTest, FullColourOverlayMakesSpumuxAbortAndIsAFailure) {
    QImage busy(720, 480, QImage::Format_ARGB32);
    for (int y = 0; y < busy.height(); ++y)
        for (int x = 0; x < busy.width(); ++x)
            busy.setPixel(x, y, qRgba(x % 256, y % 256, (x * y) % 256, 255));
    ASSERT_TRUE(busy.save(QString::fromStdString(dir / "busy.png")));
    const std::string control = ControlFile(dir, QUORVA_BIN_DIR "title_menu_normal.png",
                                            dir / "busy.png", dir / "busy.png");
    EXPECT_NE(Subgen(control, dir / "menu.mpg", dir / "out.mpg"), 0);
    EXPECT_NE(library.LastError().find("signal"), std::string::npos) << library.LastError();
    EXPECT_TRUE(Others(dir, {"menu.mpg", "control.xml", "busy.png"}).empty());
}

TEST_F(SubgenTest, MissingProgramFails) {
    TempFolder empty;
    const std::string control = InstalledControlFile(dir);
    {
        authoringtest::EmptyPath path(empty.Path());
        EXPECT_NE(Subgen(control, dir / "menu.mpg", dir / "out.mpg"), 0);
    }
    EXPECT_NE(library.LastError().find("not found"), std::string::npos) << library.LastError();
    EXPECT_TRUE(Others(dir, {"menu.mpg", "control.xml"}).empty());
}

TEST_F(SubgenTest, ArgumentsWithoutInputOrOutputAreRefused) {
    const std::string control = InstalledControlFile(dir);
    EXPECT_NE(library.Call("subgen", {"spumux.exe", control, "-i", dir / "menu.mpg"}), 0);
    EXPECT_NE(library.Call("subgen", {"spumux.exe"}), 0);
    EXPECT_NE(library.LastError().find("-o"), std::string::npos) << library.LastError();
}

}  // namespace
