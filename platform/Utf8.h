// Narrow text is UTF-8 on this platform; these tell well-formed text from
// stray bytes (a file name from another system, a pasted label).
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The length of the UTF-8 sequence that starts at text[at], or 0 when the
// bytes there are not valid UTF-8 (overlong forms, surrogates and code points
// above U+10FFFF included).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at);

bool IsValidUtf8(const std::string& text);

}  // namespace platform
