// What a disc's information files say (libdvdread): its titles, the chapters
// of its first title with their lengths, and which of the files they name
// cannot be found.
#pragma once

#include <string>
#include <vector>

namespace discchecker {

struct DiscLayout {
    std::string error;  // empty when the information files were read
    int titles = 0;
    std::vector<double> chapterSeconds;     // title 1's chapters, in order
    std::vector<std::string> missingFiles;  // "VIDEO_TS.VOB (the title menu)", ...
};

// path: a folder holding VIDEO_TS, an image file or a drive's device.
DiscLayout ReadDiscLayout(const std::string& path);

}  // namespace discchecker
