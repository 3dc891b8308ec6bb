// The exported entries of the authoring library.
#include "components/authoring/Authoring.h"
#include "components/authoring/FailureChecks.h"
#include "components/authoring/ToolRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <pugixml.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace authoring {
namespace {

std::mutex g_errorLock;
std::string g_lastError;

void SetLastError(std::string text) {
    if (!text.empty())
        std::fprintf(stderr, "%s\n", text.c_str());
    std::lock_guard lock(g_errorLock);
    g_lastError = std::move(text);
}

int Fail(const std::string& text) {
    SetLastError(text.empty() ? std::string("failed") : text);
    return 1;
}

std::string Describe(const ToolResult& result) {
    std::string text = result.failure;
    if (!result.lastLines.empty())
        text += "\n" + result.lastLines;
    return text;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Arguments after the program's own name, with the value of the option name
// taken out (empty when it is not there).
std::string TakeOption(std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name) {
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            return value;
        }
    }
    return {};
}

std::string OptionValue(const std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name)
            return args[i + 1];
    return {};
}

// dvdauthor does not tell why a write failed ("Error 0 -- Success -- writing
// data"); the file system under the folder does: no space, or no writing. It
// passes when it shows neither.
platform::Result<void> CheckFileSystemWritable(const std::string& dest) {
    constexpr unsigned long long kNearlyFull = 4ull << 20;
    std::string folder = dest;
    struct statvfs info {};
    while (statvfs(folder.c_str(), &info) != 0) {
        const auto slash = folder.find_last_of('/', folder.size() > 1 ? folder.size() - 2 : 0);
        if (slash == std::string::npos || folder.size() <= 1)
            return {};
        folder.resize(slash + 1);
    }
    if (static_cast<unsigned long long>(info.f_bavail) * info.f_frsize < kNearlyFull)
        return platform::Fail(std::strerror(ENOSPC));
    if (info.f_flag & ST_RDONLY)
        return platform::Fail(std::strerror(EROFS));
    return {};
}

int Author(const std::vector<std::string>& args) {
    const std::string project = OptionValue(args, "-x");
    if (project.empty())
        return Fail("dvdauthor: no project file (-x) given");
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(project.c_str());
    if (!parsed)
        return Fail("dvdauthor: cannot read the project \"" + project +
                    "\": " + parsed.description());
    std::string dest = OptionValue(args, "-o");
    if (dest.empty())
        dest = document.child("dvdauthor").attribute("dest").value();
    if (dest.empty())
        return Fail("dvdauthor: the project \"" + project + "\" names no destination folder");
    const bool destExisted = Exists(dest);

    ToolRun run{"dvdauthor", args, -1, -1, CheckDvdauthorLine};
    const ToolResult result = RunTool(run);
    if (result.ok) {
        SetLastError({});
        return 0;
    }
    // Looked at before anything is removed: the folder as dvdauthor left it.
    const platform::Result<void> writable = CheckFileSystemWritable(dest);
    if (!destExisted) {
        std::error_code ec;
        std::filesystem::remove_all(dest, ec);  // removes links, never their targets
    }
    if (!writable)
        return Fail("dvdauthor could not write the DVD folder " + dest + ": " + writable.error() +
                    "\n" + Describe(result));
    return Fail(Describe(result));
}

int Subgen(std::vector<std::string> args) {
    const std::string input = TakeOption(args, "-i");
    const std::string output = TakeOption(args, "-o");
    if (input.empty() || output.empty())
        return Fail("spumux: the input (-i) and the output (-o) must both be given");
    const int in = open(input.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Fail("spumux: cannot open the input \"" + input + "\": " + std::strerror(errno));
    std::string temp = output + ".XXXXXX";
    const int out = mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        const int error = errno;
        close(in);
        return Fail("spumux: cannot create the output beside \"" + output +
                    "\": " + std::strerror(error));
    }
    fchmod(out, 0644);  // mkostemp makes it private; the result is an ordinary file

    ToolRun run{"spumux", args, in, out, CheckSpumuxLine};
    ToolResult result = RunTool(run);
    struct stat written {};
    if (result.ok && (fstat(out, &written) != 0 || written.st_size == 0)) {
        result.ok = false;
        result.failure = "spumux wrote no output";
    }
    const bool closed = close(out) == 0;
    close(in);
    if (result.ok && !closed) {
        result.ok = false;
        result.failure = "spumux: cannot finish writing \"" + output + "\"";
    }
    if (result.ok && std::rename(temp.c_str(), output.c_str()) != 0) {
        result.ok = false;
        result.failure =
            "spumux: cannot rename the output to \"" + output + "\": " + std::strerror(errno);
    }
    if (!result.ok) {
        unlink(temp.c_str());
        return Fail(Describe(result));
    }
    SetLastError({});
    return 0;
}

// Runs an entry; nothing thrown inside may cross the library's border.
template <typename Entry>
int Guarded(Entry entry, int argc, char** argv) {
    try {
        std::vector<std::string> args;
        for (int i = 1; i < argc; ++i)
            if (argv != nullptr && argv[i] != nullptr)
                args.emplace_back(argv[i]);
        return entry(std::move(args));
    } catch (const std::exception& e) {
        return Fail(std::string("authoring failed: ") + e.what());
    } catch (...) {
        return Fail("authoring failed");
    }
}

}  // namespace
}  // namespace authoring

extern "C" __attribute__((visibility("default"))) int author(int argc, char** argv) {
    return authoring::Guarded(authoring::Author, argc, argv);
}

extern "C" __attribute__((visibility("default"))) int subgen(int argc, char** argv) {
    return authoring::Guarded(authoring::Subgen, argc, argv);
}

extern "C" __attribute__((visibility("default"))) const char* authoring_last_error() {
    std::lock_guard lock(authoring::g_errorLock);
    return authoring::g_lastError.c_str();
}
