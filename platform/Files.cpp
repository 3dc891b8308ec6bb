#include "platform/Files.h"

#include "platform/Paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

namespace platform {
namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string UniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ getpid());
    char text[32];
    std::snprintf(text, sizeof text, ".%x.%x.part", seed, counter++);
    return text;
}

}  // namespace

bool PathExists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsSymbolicLink(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::int64_t FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

ReadableFile InspectForReading(const std::string& path) {
    ReadableFile result;
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        result.kind = errno == EACCES ? FileKind::NoAccess : FileKind::Missing;
        return result;
    }
    if (S_ISDIR(st.st_mode))
        result.kind = FileKind::Folder;
    else if (S_ISFIFO(st.st_mode))
        result.kind = FileKind::Pipe;
    else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        result.kind = FileKind::Device;
    else if (S_ISSOCK(st.st_mode))
        result.kind = FileKind::Socket;
    else if (!S_ISREG(st.st_mode))
        result.kind = FileKind::Other;
    if (!S_ISREG(st.st_mode))
        return result;
    result.kind = FileKind::Regular;
    result.size = static_cast<std::int64_t>(st.st_size);
    // Opened without blocking, in case the path was swapped for a pipe since
    // the look above, and checked again on what was really opened.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            result = ReadableFile{};
        return result;
    }
    struct stat opened;
    const bool regular = fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    close(fd);
    result.kind = regular ? FileKind::Regular : FileKind::Other;
    result.size = regular ? static_cast<std::int64_t>(opened.st_size) : -1;
    result.readable = regular;
    return result;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileStamp{static_cast<std::int64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

Result<void> CreateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0777) == 0)
        return {};
    return Fail(std::strerror(errno), errno);
}

Result<void> CheckFolderWritable(const std::string& folder) {
    std::string name = folder;
    if (name.empty() || name.back() != '/')
        name += '/';
    name += ".quorva-write-check-XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(std::strerror(errno), errno);
    close(fd);
    unlink(name.c_str());
    return {};
}

std::int64_t FreeBytes(const std::string& folder) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0)
        return -1;
    return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
}

std::int64_t MaxNameBytes(const std::string& folder) {
    std::string existing = folder;
    while (!existing.empty() && !IsFolder(existing)) {
        while (!existing.empty() && existing.back() == '/')
            existing.pop_back();
        existing = existing.substr(0, existing.rfind('/') + 1);
    }
    const long limit = pathconf(existing.empty() ? "/" : existing.c_str(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

Result<void> CreateFolders(const std::string& path) {
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty() || IsFolder(partial))
            continue;
        if (mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST)
            return Fail(std::strerror(errno), errno);
    }
    if (IsFolder(path))
        return {};
    return Fail(std::strerror(ENOTDIR), ENOTDIR);
}

bool RemoveFile(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

bool RemoveEmptyFolder(const std::string& path) {
    return rmdir(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    // File systems without that rename: a hard link cannot replace either.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    return !PathExists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to) {
    int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    std::string temp = to + UniqueSuffix();
    int out = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        close(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        if (!WriteAll(out, buffer, static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    close(in);
    if (close(out) != 0)
        ok = false;
    if (ok)
        ok = std::rename(temp.c_str(), to.c_str()) == 0;
    if (!ok)
        unlink(temp.c_str());
    return ok;
}

Result<void> EnsurePrivateFolder(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            return Fail("Cannot create the folder " + folder + ": " + std::strerror(errno));
        if (lstat(path.c_str(), &st) != 0)
            return Fail("Cannot read the folder " + folder + ": " + std::strerror(errno));
    }
    if (S_ISLNK(st.st_mode))
        return Fail("The folder " + folder + " is a symbolic link; refusing to use it.");
    if (!S_ISDIR(st.st_mode))
        return Fail(folder + " exists but is not a folder.");
    if (st.st_uid != geteuid())
        return Fail("The folder " + folder + " belongs to another user; refusing to use it.");
    if ((st.st_mode & 0077) != 0 && chmod(path.c_str(), 0700) != 0)
        return Fail("Cannot make the folder " + folder + " private: " + std::strerror(errno));
    return {};
}

std::optional<std::string> CreateUniqueFile(const std::string& folder, const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    std::string head = prefix.substr(0, 3);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        unsigned number = (device() ^ (counter++ * 2654435761u)) & 0xFFFFFu;
        char name[64];
        std::snprintf(name, sizeof name, "%s%X.tmp", head.c_str(), number);
        std::string path = folder + name;
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            return path;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

std::string CreateTempFolder(const std::string& prefix) {
    std::string pattern = SystemTempPath() + prefix + "XXXXXX";
    if (!mkdtemp(pattern.data()))
        return {};
    return pattern + "/";
}

namespace {

std::optional<std::string> ReadOpenFile(int fd) {
    std::string content;
    char buffer[65536];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return content;
}

}  // namespace

std::optional<std::string> ReadFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    return ReadOpenFile(fd);
}

std::optional<std::string> ReadOwnFile(const std::string& path) {
    // Without waiting: a pipe of that name is refused, never waited on.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        close(fd);
        return std::nullopt;
    }
    return ReadOpenFile(fd);
}

bool AppendToFile(const std::string& path, const std::string& text) {
    int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                  0644);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        errno = EINVAL;
        return false;
    }
    bool ok = WriteAll(fd, text.data(), text.size());
    if (close(fd) != 0)
        ok = false;
    return ok;
}

std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

Result<void> WriteFileAtomically(const std::string& path, const std::string& content) {
    std::string temp = path + UniqueSuffix();
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return Fail(std::strerror(errno), errno);
    bool ok = WriteAll(fd, content.data(), content.size()) && fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        return Fail(std::strerror(error ? error : EIO), error ? error : EIO);
    }
    return {};
}

}  // namespace platform
