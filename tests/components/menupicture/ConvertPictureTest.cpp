// ConvertPicture: any picture to a JPEG of exactly the asked size.
#include "engines/MenuPicture.h"
#include "support/TestMedia.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

// A picture with distinct quarters, so scaling mistakes show.
QImage Quarters(QSize size, bool alpha) {
    QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool right = x >= size.width() / 2, bottom = y >= size.height() / 2;
            QRgb c = right ? (bottom ? qRgb(250, 250, 250) : qRgb(10, 200, 10))
                           : (bottom ? qRgb(10, 10, 200) : qRgb(200, 10, 10));
            if (alpha && right && bottom)
                c = qRgba(0, 0, 0, 0);
            image.setPixel(x, y, c);
        }
    return image;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Case {
    const char* format;
    QSize size;
};

class ConvertPictureTest : public ::testing::TestWithParam<Case> {};

TEST_P(ConvertPictureTest, OutputIsAJpegOfExactlyTheAskedSize) {
    TempFolder dir;
    const Case c = GetParam();
    const std::string source = dir / (std::string("source.") + c.format);
    ASSERT_TRUE(Quarters(c.size, false).save(QString::fromStdString(source), c.format));
    auto component = CreateMenuPicture();
    for (const QSize target : {QSize(720, 480), QSize(720, 576)}) {
        const std::string out = dir / "out.jpg";
        ASSERT_EQ(component->ConvertPicture(source.c_str(), 0, out.c_str(), 3, target.width(),
                                            target.height()),
                  0)
            << component->LastError();
        QImageReader reader(QString::fromStdString(out));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage result = reader.read();
        ASSERT_EQ(result.size(), target);
        // Quarters stay in place: top-left red, bottom-left blue, top-right green.
        const QRgb tl = result.pixel(target.width() / 4, target.height() / 4);
        const QRgb bl = result.pixel(target.width() / 4, 3 * target.height() / 4);
        const QRgb tr = result.pixel(3 * target.width() / 4, target.height() / 4);
        EXPECT_GT(qRed(tl), 150);
        EXPECT_GT(qBlue(bl), 150);
        EXPECT_GT(qGreen(tr), 150);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ConvertPictureTest,
                         ::testing::Values(Case{"bmp", QSize(333, 187)},
                                           Case{"jpg", QSize(1001, 77)},
                                           Case{"png", QSize(17, 999)}, Case{"bmp", QSize(1, 1)}),
                         [](const auto& info) {
                             return std::string(info.param.format) +
                                    std::to_string(info.param.size.width()) + "x" +
                                    std::to_string(info.param.size.height());
                         });

TEST(ConvertPicture, TransparencyBecomesBlackAndContentDecidesTheType) {
    TempFolder dir;
    // A PNG under a .bmp name.
    const std::string source = dir / "misnamed.bmp";
    ASSERT_TRUE(Quarters(QSize(100, 100), true).save(QString::fromStdString(source), "png"));
    auto component = CreateMenuPicture();
    const std::string out = dir / "out.jpg";
    ASSERT_EQ(component->ConvertPicture(source.c_str(), 0, out.c_str(), 3, 64, 64), 0)
        << component->LastError();
    const QImage result(QString::fromStdString(out));
    const QRgb br = result.pixel(56, 56);
    EXPECT_LT(qRed(br) + qGreen(br) + qBlue(br), 60);
}

TEST(ConvertPicture, FailuresLeaveTheDestinationAlone) {
    TempFolder dir;
    auto component = CreateMenuPicture();
    const std::string out = dir / "out.jpg";

    EXPECT_NE(component->ConvertPicture((dir / "missing.jpg").c_str(), 0, out.c_str(), 3, 720, 480),
              0);
    EXPECT_NE(component->LastError().find("missing.jpg"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    std::ofstream(dir / "text.jpg") << "this is not a picture";
    std::ofstream(out) << "older";
    EXPECT_NE(component->ConvertPicture((dir / "text.jpg").c_str(), 0, out.c_str(), 3, 720, 480),
              0);
    EXPECT_FALSE(component->LastError().empty());
    EXPECT_EQ(ReadAll(out), "older");

    const std::string good = dir / "good.png";
    ASSERT_TRUE(Quarters(QSize(8, 8), false).save(QString::fromStdString(good)));
    EXPECT_NE(component->ConvertPicture(good.c_str(), 1, out.c_str(), 3, 720, 480), 0);
    EXPECT_NE(component->ConvertPicture(good.c_str(), 0, out.c_str(), 2, 720, 480), 0);
    EXPECT_NE(component->ConvertPicture(good.c_str(), 0, out.c_str(), 3, 0, 480), 0);
    EXPECT_NE(component->ConvertPicture(good.c_str(), 0, out.c_str(), 3, 720, -1), 0);
    EXPECT_NE(component->ConvertPicture(nullptr, 0, out.c_str(), 3, 720, 480), 0);
    EXPECT_NE(
        component->ConvertPicture(good.c_str(), 0, (dir / "no/folder/x.jpg").c_str(), 3, 720, 480),
        0);
    EXPECT_EQ(ReadAll(out), "older");

    // The component recovers: a good call succeeds and clears the reason.
    EXPECT_EQ(component->ConvertPicture(good.c_str(), 0, out.c_str(), 3, 720, 480), 0);
    EXPECT_EQ(component->LastError(), "");
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(720, 480));
    // No temporary files stay behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 3);  // text.jpg, good.png, out.jpg
}

}  // namespace
