#include "platform/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

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
