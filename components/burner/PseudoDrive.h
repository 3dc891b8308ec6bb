// libburn's "stdio:" pseudo-drives write a disc into a file. What such an
// address names is looked at before libburn opens it: opening a pipe for
// writing waits for a reader, and a file that already holds data is a disc
// that is not blank, which libburn would simply overwrite.
#pragma once

#include <string>

namespace burner {

// Why no disc can be written at a "stdio:" address ("<path> is not a file
// ..."); empty for any other address, for a missing path (libburn makes the
// file), a regular file or a block device.
std::string PseudoDriveProblem(const std::string& address);

// The address is a "stdio:" drive on a regular file that already holds data.
bool PseudoDriveHoldsData(const std::string& address);

}  // namespace burner
