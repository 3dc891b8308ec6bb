#include "app/FileSystem.h"

#include <optional>

#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Paths.h"
#include "platform/User.h"

std::string GetAppTempFolder() {
    // The system temp path is never empty here: $TMPDIR, else /tmp/.
    return platform::SystemTempPath() + "Velmora-" + std::to_string(platform::CurrentUserId()) +
           "/";
}

platform::Result<std::string> MakeTempFile(const std::string& prefix) {
    const std::string folder = GetAppTempFolder();
    const bool existed = platform::PathExists(folder.substr(0, folder.size() - 1));
    if (const platform::Result<void> made = platform::EnsurePrivateFolder(folder); !made) {
        // Something unsafe stands there: say what; otherwise it could not be made.
        return platform::Fail(existed ? made.error()
                                      : "Can't create temp directory!\n" + made.error());
    }
    std::optional<std::string> file = platform::CreateUniqueFile(folder, prefix);
    if (!file)
        return platform::Fail("GetTempFileName return 0");
    return *file;
}

platform::Result<void> DeleteFolderTree(const std::string& folderEndingWithSlash) {
    return platform::RemoveFolderTree(folderEndingWithSlash);
}
