// The menu picture component: resizes menu backgrounds and draws the button
// overlays that the subpicture multiplexer turns into DVD menu buttons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// Top-left corner of one button on the menu canvas.
struct ButtonPosition {
    std::int32_t x;
    std::int32_t y;
};

// The record handed to MakeButtonOverlays. Fixed layout, no padding, integers
// little-endian:
//
//   offset  size  field
//        0   263  button frame picture path (zero-terminated)
//      263   263  normal overlay output path
//      526   263  hover overlay output path
//      789   263  select overlay output path
//     1052     8  address of the caller's array of positions
//     1060     4  number of buttons
//     1064     4  canvas width
//     1068     4  canvas height
//     1072     4  button width
//     1076     4  button height
//
// The position address is a full 64-bit pointer, so the integers that follow
// it sit 4 bytes later than they would beside a 32-bit pointer. The
// component runs in the caller's process and reads the positions in place.
#pragma pack(push, 1)
struct ButtonOverlayRequest {
    char framePicture[263];
    char normalOutput[263];
    char hoverOutput[263];
    char selectOutput[263];
    const ButtonPosition* positions;
    std::int32_t buttonCount;
    std::int32_t canvasWidth;
    std::int32_t canvasHeight;
    std::int32_t buttonWidth;
    std::int32_t buttonHeight;
};
#pragma pack(pop)

static_assert(sizeof(void*) == 8, "the overlay record is laid out for 64-bit pointers");
static_assert(offsetof(ButtonOverlayRequest, normalOutput) == 263);
static_assert(offsetof(ButtonOverlayRequest, hoverOutput) == 526);
static_assert(offsetof(ButtonOverlayRequest, selectOutput) == 789);
static_assert(offsetof(ButtonOverlayRequest, positions) == 1052);
static_assert(offsetof(ButtonOverlayRequest, buttonCount) == 1060);
static_assert(offsetof(ButtonOverlayRequest, canvasWidth) == 1064);
static_assert(offsetof(ButtonOverlayRequest, canvasHeight) == 1068);
static_assert(offsetof(ButtonOverlayRequest, buttonWidth) == 1072);
static_assert(offsetof(ButtonOverlayRequest, buttonHeight) == 1076);
static_assert(sizeof(ButtonOverlayRequest) == 1080);

class IMenuPicture {
  public:
    virtual ~IMenuPicture() = default;

    // Draws the normal, hover and select overlays (palette PNGs of the canvas
    // size, at most four colours with transparency) with one button made from
    // the frame picture at each of the first buttonCount positions. 0 on
    // success; otherwise no output file is left behind and LastError() tells
    // why.
    virtual std::int32_t MakeButtonOverlays(ButtonOverlayRequest* request) = 0;

    // Decodes source (BMP, JPEG or PNG, any size) and writes it to
    // destination as a JPEG of exactly width x height. sourceFlags must be 0
    // (the type is taken from the content); outputFormat must be 3 (JPEG).
    // 0 on success; on failure the destination is left untouched.
    virtual std::int32_t ConvertPicture(const char* source, std::int32_t sourceFlags,
                                        const char* destination, std::int32_t outputFormat,
                                        std::int32_t width, std::int32_t height) = 0;

    // The reason of the last failure; empty after a success.
    virtual std::string LastError() const = 0;
};

// Output format code of ConvertPicture for JPEG.
inline constexpr std::int32_t kPictureFormatJpeg = 3;

// A fresh component; never null.
std::unique_ptr<IMenuPicture> CreateMenuPicture();

// Copies path into one of the record's path fields. A path longer than 262
// characters (or holding a zero byte) does not fit: the field is left empty
// and the result is false.
inline bool SetOverlayPath(char (&field)[263], const std::string& path) {
    field[0] = '\0';
    if (path.size() >= sizeof field || path.find('\0') != std::string::npos)
        return false;
    std::memcpy(field, path.c_str(), path.size() + 1);
    return true;
}
