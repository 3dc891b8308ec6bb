// libburn's "stdio:" pseudo-drives write a disc into a file. What such an
// address names is looked at before libburn opens it: opening a pipe for
// writing waits for a reader, and a file that already holds data is a disc
// that is not blank, which libburn would simply overwrite.
#pragma once

#include <string>

#include "platform/Result.h"

namespace burner {

// Whether a disc can be written at address: a failure says why not for a
// "stdio:" address ("<path> is not a file ..."); any other address, a missing
// path (libburn makes the file), a regular file or a block device passes.
platform::Result<void> CheckPseudoDrive(const std::string& address);

// The address is a "stdio:" drive on a regular file that already holds data.
bool PseudoDriveHoldsData(const std::string& address);

}  // namespace burner
