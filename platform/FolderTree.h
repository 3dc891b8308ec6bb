// Removing a folder tree without ever following a symbolic link.
#pragma once

#include <string>

#include "platform/Result.h"

namespace platform {

// Removes everything below folder and then folder itself. Entries whose names
// begin with "." are left alone (so the folders holding them stay), and so is
// what lies on another file system (a mount point below folder). A symbolic
// link, at the top or anywhere below, is removed as a link; its target is
// never touched. A success when the walk finished (removal failures of single
// entries are ignored); a failure when the folder could not be listed or an
// entry could not be examined.
Result<void> RemoveFolderTree(const std::string& folder);

// The canonical absolute form of path (links resolved); empty when it does
// not exist.
std::string CanonicalPath(const std::string& path);

}  // namespace platform
