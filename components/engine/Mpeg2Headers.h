// The headers of an encoded MPEG-2 picture that the engine rewrites after the
// encoder: start codes, and the time code of a group of pictures.
#pragma once

#include <cstdint>
#include <functional>

namespace engine {

// Start codes and extension identifiers of MPEG-2 video.
constexpr std::uint8_t kSequenceHeader = 0xB3;
constexpr std::uint8_t kExtension = 0xB5;
constexpr std::uint8_t kGroupOfPictures = 0xB8;
constexpr int kSequenceExtension = 1;
constexpr int kPictureCodingExtension = 8;

// Calls visit(code, header) for each start code in front of the picture's
// first slice; header points just after the code and has at least 8 bytes.
void ForEachHeader(std::uint8_t* data, int size,
                   const std::function<void(std::uint8_t code, std::uint8_t* header)>& visit);

// Sets a group header's time code, without dropped numbers, to picture
// counted at picturesPerSecond; the closed and broken-link flags stay.
void WriteTimeCode(std::uint8_t* header, std::int64_t picture, std::int64_t picturesPerSecond);

// Sets the player buffer a sequence header (and, in extensionHeader, its
// extension, or null) declares: bits, rounded up to units of 16 kbit.
void WriteBufferSize(std::uint8_t* sequenceHeader, std::uint8_t* extensionHeader,
                     std::int64_t bits);

}  // namespace engine
