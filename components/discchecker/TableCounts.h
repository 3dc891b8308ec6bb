// Counts in a disc's information files that contradict the tables they
// describe: more titles claimed than the title table holds, a title claiming
// other chapters than its title set lists, a program chain claiming more
// programs or cells than its block has room for, a cell ending past the
// videos it plays. libdvdread trusts or quietly trims such counts; a player
// may read past the tables or the videos on them.
#pragma once

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_types.h>
}

#include <string>
#include <vector>

namespace discchecker {

// reader: the disc; manager: VIDEO_TS.IFO as read; sets[i]: title set i + 1
// (null when it could not be read). One line for each contradiction.
std::vector<std::string> TableCountProblems(dvd_reader_t& reader, const ifo_handle_t& manager,
                                            const std::vector<const ifo_handle_t*>& sets);

}  // namespace discchecker
