#include "app/Diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "app/QuorvaApp.h"
#include "platform/CrashHandler.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/Translation.h"

namespace {

constexpr const char* kBadErrorText = "Bad Error";
constexpr const char* kBadErrorCaption = "Bad error vsprintf_s return fail!!!";

// The formatter's result counts only when it produced text that fits.
bool FormattedWell(int length) {
    return length > 0 && length < kFormatBufferSize;
}

}  // namespace

std::string& FormatText(std::string& dest, const char* format, ...) {
    static std::mutex lock;  // created once, safely, on first use
    static char buffer[kFormatBufferSize];
    std::lock_guard guard(lock);
    std::va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (!FormattedWell(length)) {
        platform::MessageBox(0, kBadErrorText, kBadErrorCaption, platform::MB_ICONERROR);
        platform::EndProcess(1);
    }
    dest.assign(buffer, static_cast<size_t>(length));
    return dest;
}

const char* FormatTextLocal(std::string& dest, const char* format, ...) {
    char buffer[kFormatBufferSize];
    std::va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (FormattedWell(length)) {
        dest.assign(buffer, static_cast<size_t>(length));
    } else {
        platform::MessageBox(App().theMainWindowHandle.load(), kBadErrorText, kBadErrorCaption,
                             platform::MB_ICONERROR);
        dest = "vsprintf_s function returned 0";
    }
    return dest.c_str();
}

std::string CrashApologyText(const std::string& dumpPath) {
    // The file is in the user's state folder, not where the program is
    // installed: the text names the folder it is really in.
    const std::size_t slash = dumpPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : dumpPath.substr(0, slash);
    const std::string name = slash == std::string::npos ? dumpPath : dumpPath.substr(slash + 1);
    return platform::FillIn(
        platform::Translate("CrashReport",
                            "We are very sorry for the crash of our product. There is a mini dump "
                            "file in the folder %1 named \"%2\" can help us fix the problem if "
                            "you can send us %3. Thanks!"),
        {folder, name, kSupportAddress});
}

void InstallCrashHandler(const std::string& programFolder, const std::string& stateFolder) {
    static_cast<void>(platform::CreateFolders(stateFolder));
    platform::InstallCrashHandler(stateFolder + kCrashDumpName, programFolder + kCrashReporterName);
}
