#include "app/FileSystem.h"

#include <optional>

#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/User.h"

namespace {

[[noreturn]] void Fatal(const std::string& text) {
    platform::MessageBox(0, text, "Error", platform::MB_ICONERROR);
    platform::EndProcess(1);
}

}  // namespace

std::string GetAppTempFolder() {
    const std::string tempPath = platform::SystemTempPath();
    if (tempPath.empty())
        Fatal("GetTempPath return 0");
    return tempPath + "Velmora-" + std::to_string(platform::CurrentUserId()) + "/";
}

platform::Result<std::string> MakeTempFile(const std::string& prefix) {
    const std::string tempPath = platform::SystemTempPath();
    if (tempPath.empty())
        return platform::Fail("GetTempPath return 0");
    const std::string folder = GetAppTempFolder();
    const bool existed = platform::PathExists(folder.substr(0, folder.size() - 1));
    const std::string problem = platform::EnsurePrivateFolder(folder);
    if (!problem.empty()) {
        // Something unsafe stands there: say what; otherwise it just could not be made.
        return platform::Fail(existed ? problem : std::string("Can't create temp directory!"));
    }
    std::optional<std::string> file = platform::CreateUniqueFile(folder, prefix);
    if (!file)
        return platform::Fail("GetTempFileName return 0");
    return *file;
}

std::string CreateTempFile(const std::string& prefix) {
    platform::Result<std::string> file = MakeTempFile(prefix);
    if (!file)
        Fatal(file.error());
    return *file;
}

int DeleteFolderTree(const std::string& folderEndingWithSlash) {
    return platform::RemoveFolderTree(folderEndingWithSlash);
}
