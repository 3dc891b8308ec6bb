// The subtitle streams a title set's information lists, against those its
// videos carry. A player offers the listed ones only: a stream the videos
// carry beyond the list cannot be chosen, and choosing a listed stream the
// videos lack shows nothing.
#pragma once

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_types.h>
}

#include <functional>
#include <string>
#include <vector>

namespace discchecker {

struct SubtitleStreamCheck {
    int listed = 0;                     // streams listed over all title sets
    int carried = 0;                    // streams found in the videos over all title sets
    std::vector<std::string> problems;  // one line for each disagreement
};

// Reads the title videos of each title set (sets[i]: title set i + 1, null
// when it could not be read) through, pack by pack, for the subtitle streams
// they carry. stop, when given, ends the reading early (nothing is then said).
SubtitleStreamCheck CheckSubtitleStreams(dvd_reader_t& reader,
                                         const std::vector<const ifo_handle_t*>& sets,
                                         const std::function<bool()>& stop = {});

}  // namespace discchecker
