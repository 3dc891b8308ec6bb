#include "components/burner/PseudoDrive.h"
#include "platform/Translation.h"

#include <sys/stat.h>

#include <optional>
#include <string_view>

namespace burner {
namespace {

// The file of a "stdio:" address as it stands (links followed).
std::optional<struct stat> TargetOf(const std::string& address) {
    constexpr std::string_view kStdio = "stdio:";
    if (address.rfind(kStdio, 0) != 0)
        return std::nullopt;
    struct stat target {};
    if (stat(address.c_str() + kStdio.size(), &target) != 0)
        return std::nullopt;
    return target;
}

}  // namespace

platform::Result<void> CheckPseudoDrive(const std::string& address) {
    const std::optional<struct stat> target = TargetOf(address);
    if (!target || S_ISREG(target->st_mode) || S_ISBLK(target->st_mode))
        return {};
    const char* kind = S_ISFIFO(target->st_mode)   ? QUORVA_TEXT("Burner", "a pipe")
                       : S_ISDIR(target->st_mode)  ? QUORVA_TEXT("Burner", "a folder")
                       : S_ISSOCK(target->st_mode) ? QUORVA_TEXT("Burner", "a socket")
                                                   : QUORVA_TEXT("Burner", "a character device");
    return platform::Fail(platform::FillIn(
        platform::Translate("Burner",
                            "%1 is not a file or a drive a disc can be written to (it is %2)."),
        {address.substr(6), platform::Translate("Burner", kind)}));
}

bool PseudoDriveHoldsData(const std::string& address) {
    const std::optional<struct stat> target = TargetOf(address);
    return target && S_ISREG(target->st_mode) && target->st_size > 0;
}

}  // namespace burner
