#include "components/engine/Pulldown.h"

namespace engine {
namespace {

// Start codes and extension identifiers of MPEG-2 video.
constexpr std::uint8_t kSequenceHeader = 0xB3;
constexpr std::uint8_t kExtension = 0xB5;
constexpr std::uint8_t kGroupOfPictures = 0xB8;
constexpr std::uint8_t kFirstSlice = 0x01;
constexpr std::uint8_t kLastSlice = 0xAF;
constexpr int kSequenceExtension = 1;
constexpr int kPictureCodingExtension = 8;
constexpr std::uint8_t kNtscRateCode = 4;   // 30000/1001
constexpr std::int64_t kTimeCodeRate = 30;  // pictures a second of an NTSC time code

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// The group's time code, without dropped numbers, for the picture first shown
// at field.
void WriteTimeCode(std::uint8_t* header, std::int64_t field) {
    const std::int64_t n = field > 0 ? field / 2 : 0;
    const std::uint32_t hours = static_cast<std::uint32_t>(n / (kTimeCodeRate * 3600) % 24);
    const std::uint32_t minutes = static_cast<std::uint32_t>(n / (kTimeCodeRate * 60) % 60);
    const std::uint32_t seconds = static_cast<std::uint32_t>(n / kTimeCodeRate % 60);
    const std::uint32_t pictures = static_cast<std::uint32_t>(n % kTimeCodeRate);
    const std::uint32_t old =
        static_cast<std::uint32_t>(header[0]) << 24 | header[1] << 16 | header[2] << 8 | header[3];
    // Closed group, broken link and the stuffing after them stay.
    const std::uint32_t word =
        hours << 26 | minutes << 20 | 1u << 19 | seconds << 13 | pictures << 7 | (old & 0x7F);
    for (int i = 0; i < 4; ++i)
        header[i] = static_cast<std::uint8_t>(word >> (24 - 8 * i));
}

}  // namespace

bool FilmOnNtscDisc(AVRational sourceRate, AVRational discRate) {
    if (sourceRate.num <= 0 || sourceRate.den <= 0 ||
        av_cmp_q(discRate, AVRational{30000, 1001}) != 0)
        return false;
    const double ratio = av_q2d(sourceRate) / av_q2d(kFilmRate);
    return ratio > 0.999 && ratio < 1.002;
}

std::int64_t PulldownFlagger::FirstField(std::int64_t picture) {
    // Three fields, two, three, two: five for every two pictures.
    const std::int64_t pair = FloorDiv(picture, 2);
    return 5 * pair + 3 * (picture - 2 * pair);
}

Status PulldownFlagger::Flag(AVPacket* packet) const {
    if (packet->pts == AV_NOPTS_VALUE)
        return Status::Failure("an encoded film picture has no time stamp");
    if (int e = av_packet_make_writable(packet); e < 0)
        return Status::Av("pulldown flags", e);
    const std::int64_t first = FirstField(packet->pts);
    const std::int64_t next = FirstField(packet->pts + 1);
    std::uint8_t* data = packet->data;
    bool flagged = false;
    // The headers come before the picture's first slice.
    for (int i = 0; i + 9 <= packet->size; ++i) {
        if (data[i] != 0 || data[i + 1] != 0 || data[i + 2] != 1)
            continue;
        const std::uint8_t code = data[i + 3];
        std::uint8_t* header = data + i + 4;
        if (code >= kFirstSlice && code <= kLastSlice)
            break;
        if (code == kSequenceHeader) {
            header[3] = static_cast<std::uint8_t>((header[3] & 0xF0) | kNtscRateCode);
        } else if (code == kExtension && header[0] >> 4 == kSequenceExtension) {
            header[1] &= 0xF7;  // progressive_sequence: the player shows fields
        } else if (code == kExtension && header[0] >> 4 == kPictureCodingExtension) {
            // top_field_first, repeat_first_field; a whole picture
            // (chroma_420_type, progressive_frame), shown from either field.
            header[3] =
                static_cast<std::uint8_t>((header[3] & 0x7C) | ((first & 1) == 0 ? 0x80 : 0) |
                                          (next - first == 3 ? 0x02 : 0) | 0x01);
            header[4] |= 0x80;
            flagged = true;
        } else if (code == kGroupOfPictures) {
            WriteTimeCode(header, first);
        }
        i += 3;
    }
    if (!flagged)
        return Status::Failure("an encoded film picture has no picture coding extension");
    if (packet->dts != AV_NOPTS_VALUE)
        packet->dts = FirstField(packet->dts);
    packet->pts = first;
    packet->duration = next - first;
    return {};
}

}  // namespace engine
