#include "components/burner/ImageTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Files.h"

namespace burner {
namespace {

constexpr int kMaxNumber = 9999;

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string LastName(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string CheckVideoTsFolder(const std::string& videoTsFolder, std::string* error) {
    std::string folder = WithoutTrailingSlashes(videoTsFolder);
    if (folder.empty() || !platform::IsFolder(folder)) {
        *error = "The DVD folder \"" + videoTsFolder + "\" does not exist.";
        return {};
    }
    if (LastName(folder) != "VIDEO_TS") {
        *error = "The folder \"" + videoTsFolder + "\" is not a VIDEO_TS folder.";
        return {};
    }
    if (!platform::IsRegularFile(folder + "/VIDEO_TS.IFO")) {
        *error =
            "The folder \"" + videoTsFolder + "\" holds no DVD-Video (VIDEO_TS.IFO is missing).";
        return {};
    }
    return folder;
}

std::string DvdFolderOf(const std::string& videoTsFolder) {
    std::string folder = WithoutTrailingSlashes(videoTsFolder);
    std::size_t slash = folder.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : folder.substr(0, slash);
}

std::string ReserveImageFile(const std::string& dvdFolder, std::string* error) {
    std::string base = WithoutTrailingSlashes(dvdFolder);
    if (base == "/" || LastName(base).empty() || LastName(base) == "." || LastName(base) == "..") {
        // No name to derive from: the image goes into the folder itself.
        base = (base == "/" ? "" : base) + "/DVD";
    }
    for (int number = 1; number <= kMaxNumber; ++number) {
        std::string path = base + (number == 1 ? "" : "-" + std::to_string(number)) + ".iso";
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0) {
            close(fd);
            return path;
        }
        if (errno != EEXIST) {
            *error =
                "Cannot create the disc image file \"" + path + "\": " + std::strerror(errno) + ".";
            return {};
        }
    }
    *error = "Cannot find a free name for the disc image beside \"" + base + "\".";
    return {};
}

}  // namespace burner
