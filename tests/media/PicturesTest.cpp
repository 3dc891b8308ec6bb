// Loading pictures, copying parts of a surface, and the BMP writer's bytes.
#include "media/Pictures.h"
#include "support/TestMedia.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

using testsupport::TempFolder;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t U32(const std::string& b, size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

std::uint16_t U16(const std::string& b, size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}

TEST(LoadPicture, KeepsSizeAndPixelFormatKind) {
    TempFolder dir;
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    indexed.fill(1);
    ASSERT_TRUE(indexed.save(QString::fromStdString(dir / "indexed.png")));
    QImage alpha(7, 9, QImage::Format_ARGB32);
    alpha.fill(qRgba(10, 20, 30, 100));
    ASSERT_TRUE(alpha.save(QString::fromStdString(dir / "alpha.png")));
    QImage plain(11, 13, QImage::Format_RGB32);
    plain.fill(qRgb(0, 200, 0));
    ASSERT_TRUE(plain.save(QString::fromStdString(dir / "plain.jpg")));
    ASSERT_TRUE(plain.save(QString::fromStdString(dir / "plain.bmp")));

    const QImage a = LoadPicture(dir / "indexed.png");
    EXPECT_EQ(a.size(), QSize(5, 3));
    EXPECT_EQ(a.format(), QImage::Format_Indexed8);
    EXPECT_EQ(a.pixel(4, 2), qRgb(0, 0, 255));
    const QImage b = LoadPicture(dir / "alpha.png");
    EXPECT_EQ(b.size(), QSize(7, 9));
    EXPECT_EQ(b.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(b.pixel(0, 0)), 100);
    for (const char* name : {"plain.jpg", "plain.bmp"}) {
        const QImage c = LoadPicture(dir / name);
        EXPECT_EQ(c.size(), QSize(11, 13)) << name;
        EXPECT_EQ(c.format(), QImage::Format_RGB32) << name;
        EXPECT_GT(qGreen(c.pixel(5, 5)), 180) << name;
    }
}

TEST(LoadPicture, UndecodableOrMissingGivesNull) {
    TempFolder dir;
    std::ofstream(dir / "bad.jpg") << "not a picture at all";
    EXPECT_TRUE(LoadPicture(dir / "bad.jpg").isNull());
    EXPECT_TRUE(LoadPicture(dir / "missing.png").isNull());
    EXPECT_TRUE(LoadPicture("").isNull());
}

TEST(CopySurfaceToBitmap, CopiesTheRectangleOrNothing) {
    QImage surface(40, 30, QImage::Format_RGB32);
    surface.fill(qRgb(0, 0, 0));
    surface.setPixel(10, 5, qRgb(255, 0, 0));
    surface.setPixel(39, 29, qRgb(0, 255, 0));

    EXPECT_FALSE(CopySurfaceToBitmap(surface, QRect(0, 0, 0, 10)).has_value());
    EXPECT_FALSE(CopySurfaceToBitmap(surface, QRect(3, 3, 10, 0)).has_value());

    const auto part = CopySurfaceToBitmap(surface, QRect(10, 5, 30, 25));
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(part->size(), QSize(30, 25));
    EXPECT_EQ(part->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(part->pixel(29, 24), qRgb(0, 255, 0));

    // Beyond the surface there is nothing to copy: black.
    const auto over = CopySurfaceToBitmap(surface, QRect(35, 25, 10, 10));
    ASSERT_TRUE(over.has_value());
    EXPECT_EQ(over->pixel(4, 4), qRgb(0, 255, 0));
    EXPECT_EQ(over->pixel(9, 9), qRgb(0, 0, 0));
}

TEST(SaveBitmapAsBmp, HeaderAndBottomUpPaddedRows) {
    TempFolder dir;
    QImage bitmap(1, 3, QImage::Format_RGB32);
    bitmap.setPixel(0, 0, qRgb(1, 2, 3));
    bitmap.setPixel(0, 1, qRgb(4, 5, 6));
    bitmap.setPixel(0, 2, qRgb(7, 8, 9));
    ASSERT_TRUE(SaveBitmapAsBmp(bitmap, dir / "one.bmp"));
    const std::string b = ReadAll(dir / "one.bmp");
    ASSERT_EQ(b.size(), 54u + 3 * 4);  // rows of 3 colour bytes padded to 4
    EXPECT_EQ(U16(b, 0), 0x4D42);
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 6), 0u);
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 1u);
    EXPECT_EQ(U32(b, 22), 3u);  // positive height: bottom-up
    EXPECT_EQ(U16(b, 26), 1);
    EXPECT_EQ(U16(b, 28), 24);
    for (size_t at = 30; at < 54; at += 4)
        EXPECT_EQ(U32(b, at), 0u) << "field at " << at;
    // Last row first, blue-green-red, then one padding byte.
    const std::string pixels = b.substr(54);
    EXPECT_EQ(pixels, std::string("\x09\x08\x07\x00\x06\x05\x04\x00\x03\x02\x01\x00", 12));
}

TEST(SaveBitmapAsBmp, RoundTripsAndReplacesAnOldFile) {
    TempFolder dir;
    QImage bitmap(13, 7, QImage::Format_ARGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            bitmap.setPixel(x, y, qRgba(x * 19, y * 36, 100, 255));
    std::ofstream(dir / "pic.bmp") << "old content that is longer than nothing";
    ASSERT_TRUE(SaveBitmapAsBmp(bitmap, dir / "pic.bmp"));
    EXPECT_EQ(std::filesystem::file_size(dir / "pic.bmp"), 54u + 7 * 40);  // 39 bytes -> 40
    const QImage back = LoadPicture(dir / "pic.bmp");
    ASSERT_EQ(back.size(), QSize(13, 7));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(back.pixel(x, y), qRgb(x * 19, y * 36, 100)) << x << "," << y;
}

TEST(SaveBitmapAsBmp, FailsForAnUnwritablePathOrAnEmptyBitmap) {
    TempFolder dir;
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    const platform::Result<void> saved = SaveBitmapAsBmp(bitmap, dir / "no/such/folder/x.bmp");
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.error(), "No such file or directory");
    EXPECT_FALSE(SaveBitmapAsBmp(QImage(), dir / "empty.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.bmp"));
}

}  // namespace
