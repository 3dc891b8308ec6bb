// The pictures the build installs into the program folder.
#include "SpumuxButtons.h"
#include "support/TestMedia.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

const std::string kBin = QUORVA_BIN_DIR;

QImage Load(const std::string& name) {
    return QImage(QString::fromStdString(kBin + name));
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(InstalledPictures, SizesAndFormats) {
    for (const char* name : {"Background.jpg", "Background_root.jpg"}) {
        const QImage image = Load(name);
        EXPECT_GE(image.width(), 720) << name;
        EXPECT_GE(image.height(), 576) << name;
    }
    EXPECT_FALSE(Load("splash1.jpg").isNull());
    EXPECT_EQ(Load("o.png").size(), QSize(128, 96));
    EXPECT_FALSE(Load("back_sp.bmp").isNull());
    for (const char* name :
         {"title_menu_normal.png", "title_menu_hover.png", "title_menu_select.png"}) {
        const QImage image = Load(name);
        EXPECT_EQ(image.size(), QSize(720, 480)) << name;
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << name;
        EXPECT_LE(image.colorCount(), 4) << name;
    }
    for (const char* name : {"148.bmp", "149.bmp", "150.bmp", "151.bmp", "152.bmp"}) {
        const std::string bytes = ReadAll(kBin + name);
        ASSERT_GE(bytes.size(), 54u) << name;
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << name;  // bits per pixel
        EXPECT_EQ(Load(name).size(), QSize(81, 44)) << name;
    }
    // The mask is black where the button shows and white elsewhere.
    const QImage mask = Load("150.bmp").convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            colours.insert(mask.pixel(x, y));
    EXPECT_EQ(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    EXPECT_EQ(mask.pixel(40, 22), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(InstalledPictures, TitleMenuButtonsPlayThenChaptersOnBothStandards) {
    TempFolder dir;
    for (const bool pal : {false, true}) {
        SCOPED_TRACE(pal ? "PAL" : "NTSC");
        ASSERT_TRUE(testsupport::MakeDvdMpeg(dir / "menu.mpg", pal, 0.5));
        const auto run = menupicturetest::RunSpumux(
            dir, dir / "menu.mpg", kBin + "title_menu_normal.png", kBin + "title_menu_hover.png",
            kBin + "title_menu_select.png");
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.subtitlesAdded, 1) << run.output;
        ASSERT_EQ(run.buttons.size(), 2u) << run.output;
        // Same row; the first (Play) on the left.
        EXPECT_EQ(run.buttons[0].top(), run.buttons[1].top());
        EXPECT_LT(run.buttons[0].right(), run.buttons[1].left());
        // The label "Play" sits inside the first button's frame.
        const QImage normal = Load("title_menu_normal.png");
        EXPECT_NE(qAlpha(normal.pixel(run.buttons[0].center())), 0);
    }
}

TEST(InstalledPictures, GeneratorIsDeterministic) {
    TempFolder first, second;
    for (const TempFolder* dir : {&first, &second}) {
        const auto run = testsupport::RunCommand({QUORVA_PICTURE_TOOL, dir->Path()});
        ASSERT_EQ(run.status, 0) << run.output;
    }
    int files = 0;
    for (const auto& entry : fs::directory_iterator(first.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(ReadAll(first / name), ReadAll(second / name)) << name;
        EXPECT_EQ(ReadAll(first / name), ReadAll(kBin + name)) << name;
        ++files;
    }
    EXPECT_EQ(files, 13);
}

}  // namespace
