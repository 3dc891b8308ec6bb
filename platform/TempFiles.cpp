#include "platform/TempFiles.h"

#include <optional>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "platform/User.h"

namespace platform {

std::string GetAppTempFolder() {
    // The system temp path is never empty here: $TMPDIR, else /tmp/.
    return SystemTempPath() + "Velmora-" + std::to_string(CurrentUserId()) + "/";
}

Result<std::string> MakeTempFile(const std::string& prefix) {
    const std::string folder = GetAppTempFolder();
    const bool existed = PathExists(folder.substr(0, folder.size() - 1));
    if (const Result<void> made = EnsurePrivateFolder(folder); !made) {
        // Something unsafe stands there: say what; otherwise it could not be made.
        return Fail(existed ? made.error()
                            : Translate("TempFiles", "Can't create temp directory!") + "\n" +
                                  made.error());
    }
    std::optional<std::string> file = CreateUniqueFile(folder, prefix);
    if (!file)
        return Fail(Translate("TempFiles", "GetTempFileName return 0"));
    return *file;
}

}  // namespace platform
