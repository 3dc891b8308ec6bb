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
// The user's base folders for settings and for state such as crash reports:
// $XDG_CONFIG_HOME and $XDG_STATE_HOME when set to absolute paths, else
// ~/.config and ~/.local/state; ending with '/'.
std::string ConfigHome();
std::string StateHome();
// The user's videos folder as the desktop names it (XDG_VIDEOS_DIR in
// user-dirs.dirs of the settings folder), else ~/Videos; ending with '/'.
std::string VideosFolder();
// The videos folder named in the text of a user-dirs.dirs file; empty when
// the text names none or names the home folder itself (switched off).
std::string VideosFolderIn(const std::string& userDirs, const std::string& home);
// This user may create files in the folder.
bool IsWritableFolder(const std::string& path);
// path made absolute against the current folder (not resolving links).
std::string AbsolutePath(const std::string& path);
// The part of path after its last '/'.
std::string FileNameOf(const std::string& path);
// The part of path up to and including its last '/'.
std::string FolderOf(const std::string& path);

}  // namespace platform
