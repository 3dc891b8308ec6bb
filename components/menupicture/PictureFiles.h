// Reading and writing picture files for the menu picture component.
#pragma once

#include "platform/Result.h"

#include <QImage>

#include <string>

namespace menupicture {

// Decodes the picture at path, its type taken from the content.
platform::Result<QImage> ReadPicture(const std::string& path);

// Encodes image as format ("png", "jpg") into a temporary file beside path
// and renames it over path, so a failure never leaves a partial file.
platform::Result<void> WritePicture(const QImage& image, const std::string& path,
                                    const char* format);

}  // namespace menupicture
