#include "components/engine/Pulldown.h"

#include "components/engine/Mpeg2Headers.h"

namespace engine {
namespace {

constexpr std::uint8_t kNtscRateCode = 4;   // 30000/1001
constexpr std::int64_t kTimeCodeRate = 30;  // pictures a second of an NTSC time code

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
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
    bool flagged = false;
    ForEachHeader(packet->data, packet->size, [&](std::uint8_t code, std::uint8_t* header) {
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
            // The group's time code counts the fields shown before it.
            WriteTimeCode(header, first / 2, kTimeCodeRate);
        }
    });
    if (!flagged)
        return Status::Failure("an encoded film picture has no picture coding extension");
    if (packet->dts != AV_NOPTS_VALUE)
        packet->dts = FirstField(packet->dts);
    packet->pts = first;
    packet->duration = next - first;
    return {};
}

}  // namespace engine
