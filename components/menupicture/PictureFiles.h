// Reading and writing picture files for the menu picture component.
#pragma once

#include <QImage>

#include <string>

namespace menupicture {

// Decodes the picture at path, its type taken from the content. A null image
// on failure, with the reason in error.
QImage ReadPicture(const std::string& path, std::string& error);

// Encodes image as format ("png", "jpg") into a temporary file beside path
// and renames it over path, so a failure never leaves a partial file.
bool WritePicture(const QImage& image, const std::string& path, const char* format,
                  std::string& error);

}  // namespace menupicture
