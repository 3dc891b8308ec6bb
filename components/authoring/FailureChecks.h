// Output lines that mean failure although the tools may still exit with 0:
// such a line fails the check, with the line as its message.
#pragma once

#include <string>

#include "platform/Result.h"

namespace authoring {

// dvdauthor: any "ERR:" line; the TV-format warning it gives when a menu's
// video does not match the declared format (it then writes a wrong IFO).
platform::Result<void> CheckDvdauthorLine(const std::string& line);

// spumux: any "ERR:" line (for example when it cannot pick button masks);
// "0 subtitles added".
platform::Result<void> CheckSpumuxLine(const std::string& line);

}  // namespace authoring
