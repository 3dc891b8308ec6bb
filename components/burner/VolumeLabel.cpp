#include "components/burner/VolumeLabel.h"

#include <string_view>

#include "platform/Translation.h"
#include "platform/Utf8.h"

namespace burner {
namespace {

// The base letters of U+00C0 to U+017F ('_' where there is none).
constexpr std::string_view kLatinBases =
    "AAAAAAACEEEEIIIIDNOOOOO_OUUUUY_SAAAAAAACEEEEIIIIDNOOOOO_OUUUUY_Y"
    "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGGGGGGHHHHIIIIIIIIIIIIJJKKKLLLLLLLLLL"
    "NNNNNNNNNOOOOOOOORRRRRRSSSSSSSSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";

// The code point of the valid sequence of length bytes at text[at].
char32_t CodePointAt(const std::string& text, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    if (length == 1)
        return byte(0);
    char32_t code = byte(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = code << 6 | (byte(i) & 0x3F);
    return code;
}

char IsoCharacter(char32_t code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return static_cast<char>(code);
    if (code >= 'a' && code <= 'z')
        return static_cast<char>(code - 'a' + 'A');
    if (code >= 0xC0 && code - 0xC0 < kLatinBases.size())
        return kLatinBases[code - 0xC0];
    return '_';
}

}  // namespace

platform::Result<void> CheckVolumeLabel(const std::string& label) {
    if (!platform::IsValidUtf8(label))
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner", "The volume label \"%1\" is not valid UTF-8 text."),
            {label}));
    if (label.size() > kVolumeLabelBytes)
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner",
                                "The volume label \"%1\" takes %2 bytes; a disc's volume label "
                                "holds at most %3 (a letter with an accent takes two or more)."),
            {label, std::to_string(label.size()), std::to_string(kVolumeLabelBytes)}));
    return {};
}

std::string FitVolumeLabel(const std::string& label) {
    std::size_t end = 0;
    for (std::size_t at = 0; at < label.size();) {
        const std::size_t length = platform::Utf8SequenceLength(label, at);
        if (length == 0 || at + length > kVolumeLabelBytes)
            break;
        at += length;
        end = at;
    }
    return label.substr(0, end);
}

std::string IsoVolumeId(const std::string& label) {
    std::string id;
    for (std::size_t at = 0; at < label.size() && id.size() < kVolumeLabelBytes;) {
        const std::size_t length = platform::Utf8SequenceLength(label, at);
        id += length == 0 ? '_' : IsoCharacter(CodePointAt(label, at, length));
        at += length == 0 ? 1 : length;
    }
    return id;
}

}  // namespace burner
