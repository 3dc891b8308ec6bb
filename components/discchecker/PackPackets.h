// The packets of one 2048-byte pack of a DVD's program stream.
#pragma once

#include <cstddef>
#include <cstdint>

namespace discchecker {

inline constexpr std::size_t kPackBytes = 2048;

// Calls seen(id, substream) for each packet of pack: its stream id and, for
// private stream 1 (0xBD), the sub-stream byte that names its stream (audio
// 0x80-0xA7, subtitles 0x20-0x3F); -1 where there is none. Nothing for a
// sector that is no pack.
template <class Seen>
void ForEachPacket(const std::uint8_t* p, Seen seen) {
    if (p[0] != 0 || p[1] != 0 || p[2] != 1 || p[3] != 0xBA)
        return;
    // An MPEG-2 pack header is 14 bytes plus stuffing, an MPEG-1 one 12.
    std::size_t at = (p[4] & 0xC0) == 0x40 ? 14 + (p[13] & 7) : 12;
    while (at + 6 <= kPackBytes && p[at] == 0 && p[at + 1] == 0 && p[at + 2] == 1) {
        const std::uint8_t id = p[at + 3];
        const std::size_t length = static_cast<std::size_t>(p[at + 4] << 8 | p[at + 5]);
        int substream = -1;
        if (id == 0xBD && at + 9 <= kPackBytes) {
            const std::size_t sub = at + 9 + p[at + 8];
            if (sub < kPackBytes)
                substream = p[sub];
        }
        seen(id, substream);
        at += 6 + length;
    }
}

}  // namespace discchecker
