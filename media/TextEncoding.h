// Telling the character encoding of a subtitle file from its bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The encoding text must be converted from before it is read as UTF-8: ""
// when it is UTF-8 already or starts with a UTF-16 byte-order mark (which the
// readers convert themselves); "CP1252" for 8-bit text that is not UTF-8 and
// reads as Windows-1252 (Western European). nullopt when it is neither: bytes
// that no text holds, or that Windows-1252 leaves undefined.
std::optional<std::string> GuessTextEncoding(std::string_view bytes);
