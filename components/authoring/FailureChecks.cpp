#include "components/authoring/FailureChecks.h"

#include <cctype>

namespace authoring {
namespace {

bool IsErrorLine(const std::string& line) {
    size_t start = line.find_first_not_of(" \t");
    return start != std::string::npos && line.compare(start, 4, "ERR:") == 0;
}

// True when text holds "0 subtitles added" with no digit before the 0.
bool NoSubtitlesAdded(const std::string& line) {
    const std::string marker = "0 subtitles added";
    for (size_t at = line.find(marker); at != std::string::npos; at = line.find(marker, at + 1)) {
        if (at == 0 || !std::isdigit(static_cast<unsigned char>(line[at - 1])))
            return true;
    }
    return false;
}

}  // namespace

platform::Result<void> CheckDvdauthorLine(const std::string& line) {
    if (IsErrorLine(line))
        return platform::Fail(line);
    if (line.find("attempt to update tv format") != std::string::npos)
        return platform::Fail(line);
    return {};
}

platform::Result<void> CheckSpumuxLine(const std::string& line) {
    if (IsErrorLine(line) || NoSubtitlesAdded(line))
        return platform::Fail(line);
    return {};
}

}  // namespace authoring
