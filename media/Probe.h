// Probing an added video: its thumbnail, its facts, its output name and its
// description.
#pragma once

#include <QImage>
#include <string>

#include "media/MediaItem.h"

struct ProbeResult {
    MediaItem item;
    QImage thumbnail;    // null when the thumbnail could not be loaded
    std::string reason;  // why the file was refused ("it has no video stream")
    std::string error;   // the same as a sentence naming the file; empty when usable
};

// Reads one file: refuses what cannot become a title (see CheckVideoFile, and
// names the encoder cannot take), otherwise makes its thumbnail and reads its
// facts with the engine of programFolder. Touches no settings, so it may run
// on any thread; the item still lacks its output name and description.
ProbeResult ReadMediaFile(const std::string& sourcePath, const std::string& programFolder);

// A file refused with reason ("it has no video stream"), its error naming
// the file.
ProbeResult RefusedFile(const std::string& sourcePath, const std::string& reason);

// Gives a read item its output name (with its running number, in the
// working folder) and its description.
void NameMediaItem(MediaItem& item, const std::string& workingFolder, int number);

// "1h 2m 5.250s", " 1m 5.250s", " 7.000s", ...
std::string FormatPlayTime(double seconds);

// The four-line description of an item for the list; a video without sound
// says so on its audio line.
std::string DescribeMedia(const std::string& sourcePath, const MediaInfo& info);

// workingFolder + number + "_" + the source's file name with everything from
// its first '.' replaced by ".vob". Bytes of the name that are not UTF-8
// become '_', and a long name is shortened so that the stream's name, with
// the endings the job adds while it works, fits the working folder's file
// system.
std::string MakeVobPath(const std::string& workingFolder, int number,
                        const std::string& sourcePath);
