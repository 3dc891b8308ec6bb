#include "components/menupicture/PictureFiles.h"

#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <string_view>

namespace menupicture {

QImage ReadPicture(const std::string& path, std::string& error) {
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
