// The program's private temp folder and the temp files made in it.
#pragma once

#include <string>

#include "platform/Result.h"

namespace platform {

// The application's temp folder: the system temp path + "Velmora-<uid>/".
std::string GetAppTempFolder();

// Full path of a new, empty, exclusively created file in the application's
// temp folder, named after prefix's first three characters (callers pass
// "~qor" and append their own suffix). Creates the private temp folder on
// first use. Fails with a message when the folder cannot be made ("Can't
// create temp directory!") or is unsafe (a symbolic link, another user's
// folder), or no file can be made in it.
Result<std::string> MakeTempFile(const std::string& prefix);

}  // namespace platform
