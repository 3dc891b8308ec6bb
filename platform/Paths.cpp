#include "platform/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <sstream>

#include "platform/Files.h"

namespace platform {

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return FolderOf(std::string(buffer, static_cast<size_t>(n)));
}

std::string SystemTempPath() {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = (tmp && *tmp) ? tmp : "/tmp";
    if (path.back() != '/')
        path += '/';
    return path;
}

void SetSystemTempPath(const std::string& folder) {
    setenv("TMPDIR", folder.c_str(), 1);
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    std::string path;
    if (home && *home) {
        path = home;
    } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
        path = pw->pw_dir;
    } else {
        path = "/";
    }
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

namespace {

// name inside the home folder, which may be "/" itself.
std::string InHome(const std::string& home, const std::string& name) {
    return (home == "/" ? home : home + "/") + name;
}

std::string BaseFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    // Relative values are invalid for these variables and are ignored.
    std::string folder = (value && value[0] == '/') ? value : InHome(HomeFolder(), underHome);
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

// The value of a user-dirs.dirs line: a double-quoted text in which a
// backslash takes the next character as it is.
std::string Unquoted(const std::string& text) {
    std::string value;
    if (text.empty() || text.front() != '"')
        return value;
    for (size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        value += text[i];
    }
    return value;
}

}  // namespace

std::string ConfigHome() {
    return BaseFolder("XDG_CONFIG_HOME", ".config");
}

std::string StateHome() {
    return BaseFolder("XDG_STATE_HOME", ".local/state");
}

std::string VideosFolderIn(const std::string& userDirs, const std::string& home) {
    std::istringstream lines(userDirs);
    std::string line;
    std::string folder;
    const std::string key = "XDG_VIDEOS_DIR=";
    while (std::getline(lines, line)) {
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        std::string value = Unquoted(line.substr(start + key.size()));
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
            value.replace(0, 5, home);
        if (!value.empty() && value.front() == '/')
            folder = value;  // the last line naming it wins, as in the shell
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder.empty() || folder == "/" || folder == home)
        return {};
    return folder + "/";
}

std::string VideosFolder() {
    const std::string home = HomeFolder();
    std::string folder =
        VideosFolderIn(ReadFile(ConfigHome() + "user-dirs.dirs").value_or(""), home);
    return folder.empty() ? InHome(home, "Videos/") : folder;
}

bool IsWritableFolder(const std::string& path) {
    return IsFolder(path) && access(path.c_str(), W_OK | X_OK) == 0;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path[0] == '/')
        return path;
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer))
        return path;
    std::string folder = buffer;
    if (folder.back() != '/')
        folder += '/';
    return folder + (path.rfind("./", 0) == 0 ? path.substr(2) : path);
}

std::string FileNameOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace platform
