// What a disc's information files say (libdvdread): its titles, the chapters
// of its first title with their lengths, which of the files they name cannot
// be found, and which program chains are unsafe to play.
#pragma once

#include <string>
#include <vector>

#include "components/discchecker/SubtitleStreams.h"

namespace discchecker {

struct DiscLayout {
    std::string error;  // empty when the information files were read
    int titles = 0;
    std::vector<double> chapterSeconds;                    // title 1's chapters, in order
    std::vector<std::vector<double>> titleChapterSeconds;  // every title's, in order
    std::vector<std::string> missingFiles;                 // "VIDEO_TS.VOB (the title menu)", ...
    // A title set's information file is missing or cannot be read: a
    // player's navigation aborts on it or looks for it again at every block,
    // so such a disc is not played.
    bool titleSetUnread = false;
    // Program chains a player cannot safely play: broken program maps,
    // pre-commands that jump round in a loop. A disc with any is not played.
    std::vector<std::string> brokenChains;
    // Counts that contradict the tables they describe; such a disc is not
    // played either.
    std::vector<std::string> contradictions;
    // The title sets' audio stream tables against the streams of their
    // videos (read only when the tables are sound): what is wrong, and what
    // was found when nothing is.
    std::vector<std::string> audioProblems;
    std::string audioStreams;
    // The subtitle streams the title sets list, against their videos'.
    SubtitleStreamCheck subtitles;
};

// path: a folder holding VIDEO_TS, an image file or a drive's device.
DiscLayout ReadDiscLayout(const std::string& path);

}  // namespace discchecker
