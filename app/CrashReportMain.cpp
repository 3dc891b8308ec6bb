// Shows the crash messages for the crash handler, outside the crashed process.
//   quorva-crash-report apology <dump path> | open-failed <errno> | write-failed <errno> |
//                       close-failed <errno>
#include <cstdlib>
#include <string>

#include "app/Diagnostics.h"
#include "platform/CrashHandler.h"
#include "platform/MessageBox.h"

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    const std::string argument = argc > 2 ? argv[2] : "";
    const auto number = static_cast<unsigned>(std::strtoul(argument.c_str(), nullptr, 10));
    std::string text;
    std::string caption = "Error";
    if (kind == platform::kCrashApology) {
        text = CrashApologyText(argument.empty() ? kCrashDumpName : argument);
        caption = "Product crash";
    } else if (kind == platform::kCrashOpenFailed) {
        text = "Could not open file to write error information.";
    } else if (kind == platform::kCrashWriteFailed) {
        FormatTextLocal(text, "Could not create error dump:GetLastError()=%.8X", number);
    } else if (kind == platform::kCrashCloseFailed) {
        text = "Could not CloseHandle.";
    } else {
        return 2;
    }
    platform::MessageBox(0, text, caption, platform::MB_ICONERROR);
    return 0;
}
