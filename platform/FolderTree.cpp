#include "platform/FolderTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

namespace platform {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// Empties the folder open as fd (which the walk takes over) and reports
// whether the listing finished. Entries of another file system (a mount
// point, a file mounted over) are left alone.
bool EmptyFolder(int fd, dev_t device) {
    DirHandle dir(fdopendir(fd));
    if (!dir) {
        close(fd);
        return false;
    }
    const int dirFd = dirfd(dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry)
            return errno == 0;
        const char* name = entry->d_name;
        if (name[0] == '.')
            continue;
        struct stat st;
        if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        if (st.st_dev != device)
            continue;
        if (S_ISDIR(st.st_mode)) {
            int child = openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                EmptyFolder(child, device);
            unlinkat(dirFd, name, AT_REMOVEDIR);
        } else {
            unlinkat(dirFd, name, 0);
        }
    }
}

}  // namespace

Result<void> RemoveFolderTree(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto unfinished = [&folder] {
        return Fail("The folder " + folder + " could not be removed entirely.");
    };
    if (path.empty())
        return unfinished();
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return unfinished();
    if (S_ISLNK(st.st_mode)) {
        if (unlink(path.c_str()) != 0)
            return unfinished();
        return {};
    }
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return unfinished();
    if (!EmptyFolder(fd, st.st_dev))
        return unfinished();
    rmdir(path.c_str());
    return {};
}

std::string CanonicalPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

}  // namespace platform
