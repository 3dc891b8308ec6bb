// Where things are: the program folder, the system temp path, the home folder.
#pragma once

#include <string>

namespace platform {

// Folder of the running executable, ending with '/'; empty when unknown.
std::string ExecutableFolder();
// $TMPDIR or /tmp, ending with '/'.
std::string SystemTempPath();
// Makes folder (ending with '/') the system temp path of this process.
void SetSystemTempPath(const std::string& folder);
// The user's home folder, without a trailing '/'.
std::string HomeFolder();
// path made absolute against the current folder (not resolving links).
std::string AbsolutePath(const std::string& path);
// The part of path after its last '/'.
std::string FileNameOf(const std::string& path);
// The part of path up to and including its last '/'.
std::string FolderOf(const std::string& path);

}  // namespace platform
