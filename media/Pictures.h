// Loading pictures, copying parts of a drawing surface and saving bitmaps as
// BMP files.
#pragma once

#include <QImage>
#include <QRect>

#include <optional>
#include <string>

#include "platform/Result.h"

// Decodes a picture file of any type the picture library reads (type taken
// from the content) into a bitmap of the picture's own size: indexed
// pictures keep their palette, pictures with an alpha channel become 32-bit
// with alpha, all others 32-bit without.
// A null image when the file cannot be decoded, is not a regular file or is
// larger than 64 MB.
QImage LoadPicture(const std::string& path);

// Whether path can serve as a menu background, and when not, why: it must be
// a picture of a type the picture library reads (PNG, JPEG, BMP, WebP where
// its plugin is installed, ...), by its content whatever its name, that
// decodes whole, within 64 MB.
platform::Result<void> CheckMenuBackground(const std::string& path);

// A new 32-bit bitmap of rect's size holding that rectangle of surface (a
// plain copy; parts outside the surface are black). None for an empty
// rectangle.
std::optional<QImage> CopySurfaceToBitmap(const QImage& surface, const QRect& rect);

// Writes bitmap as an uncompressed, bottom-up 24-bit Windows BMP file, rows
// padded to 4 bytes. The file is written under a temporary name and renamed
// over path. False when the bitmap is empty or the file cannot be written;
// then reason, when given, says why ("No space left on device").
platform::Result<void> SaveBitmapAsBmp(const QImage& bitmap, const std::string& path);
