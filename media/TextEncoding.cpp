#include "media/TextEncoding.h"

#include "platform/Utf8.h"

std::optional<std::string> GuessTextEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return "";
    if (platform::IsValidUtf8(std::string(bytes)) && bytes.find('\0') == std::string_view::npos)
        return "";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        // Controls other than tab, line feed, carriage return and form feed
        // are not text; these five are undefined in Windows-1252.
        const bool control =
            byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f';
        if (control || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
            byte == 0x90 || byte == 0x9D)
            return std::nullopt;
    }
    return "CP1252";
}
