#include "components/menupicture/PictureFiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <string_view>
#include <utility>

namespace menupicture {
namespace {

constexpr qint64 kMaxPictureBytes = 64 << 20;

}  // namespace

platform::Result<QImage> ReadPicture(const std::string& path) {
    // Only an ordinary file of a picture's size is read: never a device or a
    // pipe, which would be read without end.
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || file.size() > kMaxPictureBytes) {
        return platform::Fail("cannot read the picture \"" + path + "\": " +
                              (!file.exists()  ? "no such file"
                               : file.isDir()  ? "it is a folder"
                               : file.isFile() ? "it is larger than 64 MB"
                                               : "it is not a regular file"));
    }
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return platform::Fail("cannot read the picture \"" + path +
                              "\": " + reader.errorString().toStdString());
    return image;
}

platform::Result<void> WritePicture(const QImage& image, const std::string& path,
                                    const char* format) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return platform::Fail("cannot create \"" + path +
                              "\": " + file.errorString().toStdString());
    QImageWriter writer(&file, format);
    if (std::string_view(format) == "jpg")
        writer.setQuality(92);
    if (!writer.write(image)) {
        std::string reason = "cannot write \"" + path + "\": " + writer.errorString().toStdString();
        file.cancelWriting();
        return platform::Fail(std::move(reason));
    }
    if (!file.commit())
        return platform::Fail("cannot write \"" + path + "\": " + file.errorString().toStdString());
    return {};
}

}  // namespace menupicture
