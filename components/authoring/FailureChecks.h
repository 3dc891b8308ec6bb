// Output lines that mean failure although the tools may still exit with 0.
#pragma once

#include <string>

namespace authoring {

// dvdauthor: any "ERR:" line; the TV-format warning it gives when a menu's
// video does not match the declared format (it then writes a wrong IFO).
std::string CheckDvdauthorLine(const std::string& line);

// spumux: any "ERR:" line (for example when it cannot pick button masks);
// "0 subtitles added".
std::string CheckSpumuxLine(const std::string& line);

}  // namespace authoring
