#include "components/burner/VolumeLabel.h"

namespace burner {
namespace {

// The length of the UTF-8 sequence that starts at text[at], or 0 when the
// bytes there are not valid UTF-8 (overlong forms and surrogates included).
std::size_t SequenceLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

}  // namespace

std::optional<std::string> CheckVolumeLabel(const std::string& label) {
    for (std::size_t at = 0; at < label.size();) {
        const std::size_t length = SequenceLength(label, at);
        if (length == 0)
            return "The volume label \"" + label + "\" is not valid UTF-8 text.";
        at += length;
    }
    if (label.size() > kVolumeLabelBytes)
        return "The volume label \"" + label + "\" takes " + std::to_string(label.size()) +
               " bytes; a disc's volume label holds at most " + std::to_string(kVolumeLabelBytes) +
               " (a letter with an accent takes two or more).";
    return std::nullopt;
}

std::string FitVolumeLabel(const std::string& label) {
    std::size_t end = 0;
    for (std::size_t at = 0; at < label.size();) {
        const std::size_t length = SequenceLength(label, at);
        if (length == 0 || at + length > kVolumeLabelBytes)
            break;
        at += length;
        end = at;
    }
    return label.substr(0, end);
}

}  // namespace burner
