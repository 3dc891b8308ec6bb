// Probing an added video: its thumbnail, its facts, its output name and its
// description.
#pragma once

#include <QImage>
#include <string>

#include "media/MediaItem.h"

struct ProbeResult {
    MediaItem item;
    QImage thumbnail;   // null when the thumbnail could not be loaded
    std::string error;  // non-empty when the file was refused
};

// Probes one file with the encoding engine and takes the next FILENAME_SN for
// its output name. A path that cannot pass through an argument text (it holds
// '*') is refused with a message naming the file.
ProbeResult ProbeMediaFile(const std::string& sourcePath);

// "1h 2m 5.250s", " 1m 5.250s", " 7.000s", ...
std::string FormatPlayTime(double seconds);

// The four-line description of an item for the list.
std::string DescribeMedia(const std::string& sourcePath, const MediaInfo& info);

// workingFolder + number + "_" + the source's file name with everything from
// its first '.' replaced by ".vob".
std::string MakeVobPath(const std::string& workingFolder, int number,
                        const std::string& sourcePath);
