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
    const std::string problem = platform::EnsurePrivateFolder(folder);
    if (!problem.empty()) {
        // Something unsafe stands there: say what; otherwise it could not be made.
        return platform::Fail(existed ? problem : "Can't create temp directory!\n" + problem);
    }
    std::optional<std::string> file = platform::CreateUniqueFile(folder, prefix);
    if (!file)
        return platform::Fail("GetTempFileName return 0");
    return *file;
}

int DeleteFolderTree(const std::string& folderEndingWithSlash) {
    return platform::RemoveFolderTree(folderEndingWithSlash);
}
