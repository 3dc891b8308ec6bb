// Whether a file can become a title of a disc, and if not, why.
#pragma once

#include <string>

#include "media/MediaItem.h"

struct VideoFileCheck {
    std::string reason;  // empty when the file can be used; otherwise why not
    MediaInfo info;      // the facts of a usable file
    bool hasSound = false;
    bool ok() const { return reason.empty(); }
};

// Looks at path as a video source: a regular, readable, non-empty file whose
// format the libraries can open, with a decodable video stream, a picture
// size and a known play time. A file without sound is usable. Pipes and
// devices are recognised without being read. The reason reads after a file
// name, as in "cannot use a.avi: it has no video stream".
VideoFileCheck CheckVideoFile(const std::string& path);
