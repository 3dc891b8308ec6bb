// Button overlays: the pictures themselves, what spumux makes of them, and
// refused requests.
#include "SpumuxButtons.h"
#include "engines/MenuPicture.h"
#include "support/TestMedia.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

const std::string kFrame = QUORVA_BIN_DIR "o.png";

// Places of the root menu's thumbnail grid: 4 columns, 3 rows, centred.
std::vector<ButtonPosition> Grid(int count, int height) {
    std::vector<ButtonPosition> positions;
    for (int i = 0; i < count; ++i)
        positions.push_back(
            {(720 - 612) / 2 + 10 + (i % 4) * 148, (height - 368) / 2 + 10 + (i / 4) * 116});
    return positions;
}

ButtonOverlayRequest Request(const TempFolder& dir, const std::vector<ButtonPosition>& positions,
                             int height) {
    ButtonOverlayRequest request{};
    EXPECT_TRUE(SetOverlayPath(request.framePicture, kFrame));
    EXPECT_TRUE(SetOverlayPath(request.normalOutput, dir / "n.png"));
    EXPECT_TRUE(SetOverlayPath(request.hoverOutput, dir / "h.png"));
    EXPECT_TRUE(SetOverlayPath(request.selectOutput, dir / "s.png"));
    request.positions = positions.data();
    request.buttonCount = static_cast<std::int32_t>(positions.size());
    request.canvasWidth = 720;
    request.canvasHeight = height;
    request.buttonWidth = 128;
    request.buttonHeight = 96;
    return request;
}

bool NoOutputs(const TempFolder& dir) {
    return !fs::exists(dir / "n.png") && !fs::exists(dir / "h.png") && !fs::exists(dir / "s.png");
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(argb.pixel(x, y));
    return colours;
}

class SpumuxOverlayTest : public ::testing::TestWithParam<std::tuple<int, bool>> {
  protected:
    static void SetUpTestSuite() {
        menus_ = new TempFolder;
        ASSERT_TRUE(testsupport::MakeDvdMpeg(*menus_ / "ntsc.mpg", false, 0.5));
        ASSERT_TRUE(testsupport::MakeDvdMpeg(*menus_ / "pal.mpg", true, 0.5));
    }
    static void TearDownTestSuite() {
        delete menus_;
        menus_ = nullptr;
    }
    static TempFolder* menus_;
};
TempFolder* SpumuxOverlayTest::menus_ = nullptr;

TEST_P(SpumuxOverlayTest, SpumuxFindsOneButtonPerPositionInRowOrder) {
    const auto [count, pal] = GetParam();
    const int height = pal ? 576 : 480;
    TempFolder dir;
    const auto positions = Grid(count, height);
    auto request = Request(dir, positions, height);
    auto component = CreateMenuPicture();
    ASSERT_EQ(component->MakeButtonOverlays(&request), 0) << component->LastError();

    const auto run = menupicturetest::RunSpumux(dir, *menus_ / (pal ? "pal.mpg" : "ntsc.mpg"),
                                                dir / "n.png", dir / "h.png", dir / "s.png");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.subtitlesAdded, 1) << run.output;
    ASSERT_EQ(run.buttons.size(), positions.size()) << run.output;
    for (size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(run.buttons[i], QRect(positions[i].x, positions[i].y, 128, 96)) << "button " << i;
}

INSTANTIATE_TEST_SUITE_P(GridSizes, SpumuxOverlayTest,
                         ::testing::Combine(::testing::Values(1, 4, 12), ::testing::Bool()),
                         [](const auto& info) {
                             return std::to_string(std::get<0>(info.param)) + "Buttons" +
                                    (std::get<1>(info.param) ? "Pal" : "Ntsc");
                         });

TEST(ButtonOverlays, PicturesArePaletteCanvasesWithFewColours) {
    TempFolder dir;
    const auto positions = Grid(5, 576);
    auto request = Request(dir, positions, 576);
    auto component = CreateMenuPicture();
    ASSERT_EQ(component->MakeButtonOverlays(&request), 0) << component->LastError();
    EXPECT_EQ(component->LastError(), "");

    QRgb frameColour[3];
    const char* names[] = {"n.png", "h.png", "s.png"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i]);
        QImage image(QString::fromStdString(dir / names[i]));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(720, 576));
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        const auto colours = Colours(image);
        EXPECT_LE(colours.size(), 4);
        EXPECT_TRUE(colours.contains(qRgba(0, 0, 0, 0)));
        // Outside every button all is transparent; the frame's edge is drawn.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(positions[0].x + 64, positions[0].y + 48)), 0);
        EXPECT_EQ(qAlpha(image.pixel(positions[0].x - 3, positions[0].y + 48)), 0);
        frameColour[i] = image.pixel(positions[0].x + 2, positions[0].y + 48);
        EXPECT_NE(qAlpha(frameColour[i]), 0);
        // The sixth place of the grid stays empty.
        EXPECT_EQ(qAlpha(image.pixel(Grid(6, 576)[5].x + 2, Grid(6, 576)[5].y + 48)), 0);
    }
    EXPECT_NE(frameColour[1], frameColour[2]);
    EXPECT_EQ(qAlpha(frameColour[1]), 255);
    EXPECT_EQ(qAlpha(frameColour[2]), 255);
}

TEST(ButtonOverlays, RecordFilledByteByByte) {
    TempFolder dir;
    const auto positions = Grid(2, 480);
    std::vector<char> bytes(sizeof(ButtonOverlayRequest), 0);
    const std::string paths[] = {kFrame, dir / "n.png", dir / "h.png", dir / "s.png"};
    for (int i = 0; i < 4; ++i)
        std::memcpy(bytes.data() + 263 * i, paths[i].c_str(), paths[i].size() + 1);
    const ButtonPosition* address = positions.data();
    std::memcpy(bytes.data() + 1052, &address, 8);
    const std::int32_t numbers[] = {2, 720, 480, 128, 96};
    std::memcpy(bytes.data() + 1060, numbers, sizeof numbers);

    auto component = CreateMenuPicture();
    ASSERT_EQ(component->MakeButtonOverlays(reinterpret_cast<ButtonOverlayRequest*>(bytes.data())),
              0)
        << component->LastError();
    QImage hover(QString::fromStdString(dir / "h.png"));
    EXPECT_EQ(hover.size(), QSize(720, 480));
    EXPECT_NE(qAlpha(hover.pixel(positions[1].x + 2, positions[1].y + 48)), 0);
}

TEST(ButtonOverlays, PathsThatDoNotFitAreRefused) {
    char field[263];
    EXPECT_TRUE(SetOverlayPath(field, std::string(262, 'a')));
    EXPECT_EQ(std::strlen(field), 262u);
    EXPECT_FALSE(SetOverlayPath(field, std::string(263, 'a')));
    EXPECT_EQ(field[0], '\0');
    EXPECT_FALSE(SetOverlayPath(field, std::string("a\0b", 3)));

    // A field filled to its end without a terminating zero.
    TempFolder dir;
    const auto positions = Grid(1, 480);
    auto request = Request(dir, positions, 480);
    std::memset(request.selectOutput, 'x', sizeof request.selectOutput);
    auto component = CreateMenuPicture();
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_NE(component->LastError().find("263"), std::string::npos) << component->LastError();
    EXPECT_TRUE(NoOutputs(dir));
}

TEST(ButtonOverlays, BadRequestsFailWithoutOutput) {
    TempFolder dir;
    auto component = CreateMenuPicture();
    std::vector<ButtonPosition> outside = {{650, 100}};  // 650 + 128 > 720
    auto request = Request(dir, outside, 480);
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_NE(component->LastError().find("does not fit"), std::string::npos);

    std::vector<ButtonPosition> close = {{64, 66}, {64 + 128 + 4, 66}};
    request = Request(dir, close, 480);
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_NE(component->LastError().find("closer"), std::string::npos) << component->LastError();

    const auto grid = Grid(3, 480);
    request = Request(dir, grid, 480);
    request.positions = nullptr;
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    request = Request(dir, grid, 480);
    request.buttonCount = -1;
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    request = Request(dir, grid, 480);
    request.canvasHeight = 0;
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_NE(component->MakeButtonOverlays(nullptr), 0);

    request = Request(dir, grid, 480);
    SetOverlayPath(request.framePicture, dir / "missing.png");
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_NE(component->LastError().find("missing.png"), std::string::npos);

    // A frame picture that shows nothing would give no button at all.
    QImage blank(128, 96, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    ASSERT_TRUE(blank.save(QString::fromStdString(dir / "blank.png")));
    request = Request(dir, grid, 480);
    SetOverlayPath(request.framePicture, dir / "blank.png");
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_TRUE(NoOutputs(dir));

    // An output that cannot be written removes the ones already written.
    request = Request(dir, grid, 480);
    SetOverlayPath(request.selectOutput, dir / "no/such/folder/s.png");
    EXPECT_NE(component->MakeButtonOverlays(&request), 0);
    EXPECT_TRUE(NoOutputs(dir));
}

TEST(ButtonOverlays, ZeroButtonsGiveTransparentOverlays) {
    TempFolder dir;
    const std::vector<ButtonPosition> none;
    auto request = Request(dir, none, 480);
    auto component = CreateMenuPicture();
    ASSERT_EQ(component->MakeButtonOverlays(&request), 0) << component->LastError();
    EXPECT_EQ(Colours(QImage(QString::fromStdString(dir / "h.png"))).size(), 1);
}

}  // namespace
