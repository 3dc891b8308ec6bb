// Temp files and folder removal.
#pragma once

#include <string>

#include "platform/Result.h"

// The application's temp folder: the system temp path + "Velmora-<uid>/".
std::string GetAppTempFolder();

// Full path of a new, empty, exclusively created file in the application's
// temp folder, named after prefix's first three characters (callers pass
// "~qor" and append their own suffix). Creates the private temp folder on
// first use. Fails with a message when the folder cannot be made ("Can't
// create temp directory!") or is unsafe (a symbolic link, another user's
// folder), or no file can be made in it.
platform::Result<std::string> MakeTempFile(const std::string& prefix);

// Removes folderEndingWithSlash with everything in it, never following a
// symbolic link. Entries named with a leading "." stay. A failure when the
// walk stopped early.
platform::Result<void> DeleteFolderTree(const std::string& folderEndingWithSlash);
