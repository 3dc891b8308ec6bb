// Temp files and folder removal.
#pragma once

#include <string>

#include "platform/Result.h"

// The application's temp folder: the system temp path + "Velmora-<uid>/".
// Ends the process with a message when there is no system temp path.
std::string GetAppTempFolder();

// Full path of a new, empty, exclusively created file in the application's
// temp folder, named after prefix's first three characters (callers pass
// "~qor" and append their own suffix). Creates the private temp folder on
// first use; ends the process with a message when it cannot be created or is
// unsafe (a symbolic link, another user's folder) or no file can be made.
std::string CreateTempFile(const std::string& prefix);
// The same without ending the process: the failure's message is the one
// CreateTempFile would show. For everything that runs after start-up.
platform::Result<std::string> MakeTempFile(const std::string& prefix);

// Removes folderEndingWithSlash with everything in it, never following a
// symbolic link. Entries named with a leading "." stay. 1 when the walk
// finished, 0 when it stopped early.
int DeleteFolderTree(const std::string& folderEndingWithSlash);
