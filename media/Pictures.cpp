#include "media/Pictures.h"

#include "platform/Files.h"
#include "platform/Translation.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QString>

#include <cstdint>

using platform::FillIn;
using platform::Translate;

namespace {

// Pictures are read whole: a picture file is far below this.
constexpr qint64 kMaxPictureBytes = 64 << 20;

void PutU16(std::string& out, size_t at, std::uint16_t v) {
    out[at] = static_cast<char>(v & 0xff);
    out[at + 1] = static_cast<char>(v >> 8);
}

void PutU32(std::string& out, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

// The common picture types this machine's picture library reads, for messages.
std::string ReadablePictureTypes() {
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    std::string types;
    for (const char* type : {"png", "jpeg", "bmp", "webp", "gif", "tiff"}) {
        if (!readable.contains(type))
            continue;
        if (!types.empty())
            types += ", ";
        types += QByteArray(type).toUpper().toStdString();
    }
    return types;
}

}  // namespace

platform::Result<void> CheckMenuBackground(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (!file.exists())
        return platform::Fail(
            FillIn(Translate("MediaCheck", "The menu background %1 does not exist."), {path}));
    if (!file.isFile())
        return platform::Fail(FillIn(
            Translate("MediaCheck", "The menu background %1 is not a regular file."), {path}));
    if (!file.isReadable())
        return platform::Fail(FillIn(
            Translate("MediaCheck", "The menu background %1 cannot be read (permission denied)."),
            {path}));
    if (file.size() > kMaxPictureBytes)
        return platform::Fail(FillIn(
            Translate("MediaCheck", "The menu background %1 is larger than 64 MB."), {path}));
    // The content decides, whatever the name says: a PNG named .jpg serves,
    // a text file named .jpg does not. The whole picture is decoded, so that
    // a cut or damaged one is found now and not in the menu stage.
    QImageReader reader(file.filePath());
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return platform::Fail(
            FillIn(Translate("MediaCheck",
                             "The menu background %1 is not a picture: its content is none of "
                             "%2."),
                   {path, ReadablePictureTypes()}));
    if (reader.read().isNull())
        return platform::Fail(
            FillIn(Translate("MediaCheck", "The menu background %1 is a damaged %2 picture: %3."),
                   {path, format.toUpper().toStdString(), reader.errorString().toStdString()}));
    return {};
}

QImage LoadPicture(const std::string& path) {
    // Never a device or a pipe, and nothing beyond a picture's size.
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || file.size() > kMaxPictureBytes)
        return {};
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return image;
    switch (image.format()) {
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
        case QImage::Format_Indexed8:
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
            return image;
        default:
            return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                 : QImage::Format_RGB32);
    }
}

std::optional<QImage> CopySurfaceToBitmap(const QImage& surface, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return std::nullopt;
    QImage bitmap(rect.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    QPainter painter(&bitmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), surface, rect);
    return bitmap;
}

platform::Result<void> SaveBitmapAsBmp(const QImage& bitmap, const std::string& path) {
    if (bitmap.isNull())
        return platform::Fail(Translate("Pictures", "the picture is empty"));
    // Colours only: any alpha is dropped, as a 24-bit file cannot hold it.
    const QImage pixels = bitmap.convertToFormat(QImage::Format_ARGB32);
    const std::uint32_t w = static_cast<std::uint32_t>(pixels.width());
    const std::uint32_t h = static_cast<std::uint32_t>(pixels.height());
    const std::uint32_t depth = 24;
    const std::uint32_t rowSize = ((depth * w + 31) / 32) * 4;
    const std::uint32_t dataSize = rowSize * h;
    const std::uint32_t offset = 14 + 40;

    std::string file(offset + dataSize, '\0');
    PutU16(file, 0, 0x4D42);  // "BM"
    PutU32(file, 2, offset + dataSize);
    PutU32(file, 10, offset);
    PutU32(file, 14, 40);
    PutU32(file, 18, w);
    PutU32(file, 22, h);  // positive: rows run bottom-up
    PutU16(file, 26, 1);
    PutU16(file, 28, depth);
    // Compression, image size, resolutions and colour counts stay 0.
    for (std::uint32_t y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(h - 1 - y));
        char* out = file.data() + offset + static_cast<size_t>(y) * rowSize;
        for (std::size_t x = 0; x < w; ++x) {
            out[3 * x] = static_cast<char>(qBlue(row[x]));
            out[3 * x + 1] = static_cast<char>(qGreen(row[x]));
            out[3 * x + 2] = static_cast<char>(qRed(row[x]));
        }
    }
    return platform::WriteFileAtomically(path, file);
}
