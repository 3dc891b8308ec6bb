#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace platform {

FileLock FileLock::Take(const std::string& path, Wait wait, Create create, Share share) {
    // Opened without waiting (a pipe would block until a writer comes), then
    // refused unless a regular file or a folder.
    const int flags =
        O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (create == Create::Yes ? O_CREAT : 0);
    for (int attempt = 0; attempt < 100; ++attempt) {
        int fd = open(path.c_str(), flags, 0644);
        if (fd < 0 && errno == EISDIR)
            fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_DIRECTORY);
        if (fd < 0)
            return {};
        struct stat opened;
        if (fstat(fd, &opened) != 0 || !(S_ISREG(opened.st_mode) || S_ISDIR(opened.st_mode))) {
            close(fd);
            errno = EINVAL;
            return {};
        }
        int locked;
        do {
            locked = flock(fd, (share == Share::Shared ? LOCK_SH : LOCK_EX) |
                                   (wait == Wait::Yes ? 0 : LOCK_NB));
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int error = errno;
            close(fd);
            errno = error;
            return {};
        }
        // The holder before us may have replaced or removed the file.
        struct stat held;
        struct stat named;
        if (fstat(fd, &held) == 0 && lstat(path.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return FileLock(fd);
        close(fd);
    }
    return {};
}

FileLock::~FileLock() {
    Release();
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void FileLock::Release() {
    if (fd_ >= 0) {
        flock(fd_, LOCK_UN);
        close(fd_);
        fd_ = -1;
    }
}

}  // namespace platform
