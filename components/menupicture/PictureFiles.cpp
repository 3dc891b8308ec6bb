#include "components/menupicture/PictureFiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <string_view>

namespace menupicture {
namespace {

constexpr qint64 kMaxPictureBytes = 64 << 20;

}  // namespace

QImage ReadPicture(const std::string& path, std::string& error) {
    // Only an ordinary file of a picture's size is read: never a device or a
    // pipe, which would be read without end.
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || file.size() > kMaxPictureBytes) {
        error = "cannot read the picture \"" + path + "\": " +
                (!file.exists()  ? "no such file"
                 : file.isDir()  ? "it is a folder"
                 : file.isFile() ? "it is larger than 64 MB"
                                 : "it is not a regular file");
        return {};
    }
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        error = "cannot read the picture \"" + path + "\": " + reader.errorString().toStdString();
    return image;
}

bool WritePicture(const QImage& image, const std::string& path, const char* format,
                  std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot create \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (std::string_view(format) == "jpg")
        writer.setQuality(92);
    if (!writer.write(image)) {
        error = "cannot write \"" + path + "\": " + writer.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = "cannot write \"" + path + "\": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace menupicture
