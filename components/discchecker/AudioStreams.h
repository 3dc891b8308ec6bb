// Each title set's audio stream table against the audio its videos carry: a
// player offers the streams a program chain marks available, and a stream
// it switches to must be there to be heard; a stream the table does not
// list cannot be chosen at all.
#pragma once

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_types.h>
}

#include <string>
#include <vector>

namespace discchecker {

struct AudioStreamCheck {
    std::vector<std::string> problems;  // one line for each
    std::string found;                  // "title set 1: 2 streams (en, fr) in every cell"
};

// sets[i]: title set i + 1 (null when it could not be read). Only the start
// of each cell is read: the muxer interleaves every stream from there on.
AudioStreamCheck CheckAudioStreams(dvd_reader_t& reader,
                                   const std::vector<const ifo_handle_t*>& sets);

}  // namespace discchecker
