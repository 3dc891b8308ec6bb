// Whether the tables of an information file fit in it and hold what they
// claim, told from the file's bytes before libdvdread reads them. libdvdread
// trusts those claims (it frees memory twice, reads through null pointers,
// or hands libdvdnav a program chain of thousands of commands that libdvdnav
// then crashes on), so a file whose tables do not hold is never given to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace discchecker {

// file: the bytes of VIDEO_TS.IFO (manager) or of a title set's VTS_nn_0.IFO.
// Fails when a table does not fit, saying what is wrong as it follows the
// file's name ("places its title table at sector 9, past the 6 sectors of
// the file").
platform::Result<void> CheckTableBounds(const std::vector<std::uint8_t>& file, bool manager);

}  // namespace discchecker
