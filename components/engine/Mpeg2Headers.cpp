#include "components/engine/Mpeg2Headers.h"

namespace engine {
namespace {

constexpr std::uint8_t kFirstSlice = 0x01;
constexpr std::uint8_t kLastSlice = 0xAF;

}  // namespace

void ForEachHeader(std::uint8_t* data, int size,
                   const std::function<void(std::uint8_t code, std::uint8_t* header)>& visit) {
    for (int i = 0; i + 12 <= size; ++i) {
        if (data[i] != 0 || data[i + 1] != 0 || data[i + 2] != 1)
            continue;
        const std::uint8_t code = data[i + 3];
        if (code >= kFirstSlice && code <= kLastSlice)
            return;
        visit(code, data + i + 4);
        i += 3;
    }
}

void WriteTimeCode(std::uint8_t* header, std::int64_t picture, std::int64_t picturesPerSecond) {
    const std::int64_t n = picture > 0 ? picture : 0;
    const std::int64_t rate = picturesPerSecond > 0 ? picturesPerSecond : 1;
    const auto hours = static_cast<std::uint32_t>(n / (rate * 3600) % 24);
    const auto minutes = static_cast<std::uint32_t>(n / (rate * 60) % 60);
    const auto seconds = static_cast<std::uint32_t>(n / rate % 60);
    const auto pictures = static_cast<std::uint32_t>(n % rate);
    const std::uint32_t old =
        static_cast<std::uint32_t>(header[0]) << 24 | header[1] << 16 | header[2] << 8 | header[3];
    // Closed group, broken link and the stuffing after them stay.
    const std::uint32_t word =
        hours << 26 | minutes << 20 | 1u << 19 | seconds << 13 | pictures << 7 | (old & 0x7F);
    for (int i = 0; i < 4; ++i)
        header[i] = static_cast<std::uint8_t>(word >> (24 - 8 * i));
}

void WriteBufferSize(std::uint8_t* sequenceHeader, std::uint8_t* extensionHeader,
                     std::int64_t bits) {
    const auto units = static_cast<std::uint32_t>((bits + 16383) / 16384);
    // The low ten bits follow the bit rate and its marker; the next eight are
    // the extension's fifth byte.
    sequenceHeader[6] = static_cast<std::uint8_t>((sequenceHeader[6] & 0xE0) | (units >> 5 & 0x1F));
    sequenceHeader[7] = static_cast<std::uint8_t>((sequenceHeader[7] & 0x07) | (units & 0x1F) << 3);
    if (extensionHeader)
        extensionHeader[4] = static_cast<std::uint8_t>(units >> 10);
}

}  // namespace engine
