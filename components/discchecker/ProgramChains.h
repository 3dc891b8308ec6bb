// What makes a disc's program chains unsafe to play, found from the
// information files alone before a player's navigation is let near them: a
// program that starts at no cell (libdvdnav aborts on it) and pre-commands
// that jump round in a loop before anything is shown (a player's navigation
// never returns from it).
#pragma once

extern "C" {
#include <dvdread/ifo_types.h>
}

#include <string>
#include <vector>

namespace discchecker {

// manager: VIDEO_TS.IFO; sets[i]: the information of title set i + 1 (null
// when it could not be read). One line for each fault found.
std::vector<std::string> ProgramChainProblems(const ifo_handle_t& manager,
                                              const std::vector<const ifo_handle_t*>& sets);

}  // namespace discchecker
