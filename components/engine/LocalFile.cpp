#include "components/engine/LocalFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern "C" {
#include <libavutil/dict.h>
}

namespace engine {
namespace {

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a regular file";
}

Status Refuse(const std::string& path, const std::string& why) {
    return Status::Failure("cannot read " + path + ": " + why);
}

// Closes a descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            close(fd);
    }
};

}  // namespace

Status CheckLocalFile(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0)
        return Refuse(path, path.empty() ? "no file given" : std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return Refuse(path, std::string("it is ") + KindOf(info.st_mode));
    if (access(path.c_str(), R_OK) != 0)
        return Refuse(path, std::strerror(errno));
    return {};
}

Status OpenLocalInput(const std::string& path, InputFormatPtr& out) {
    if (Status s = CheckLocalFile(path); !s)
        return s;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* raw = nullptr;
    // A name such as "x:y" would otherwise be read as protocol "x".
    const std::string url = "file:" + path;
    const int e = avformat_open_input(&raw, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (e < 0)
        return Status::Av("cannot open " + path, e);
    out.reset(raw);
    return {};
}

Status ReadLocalFile(const std::string& path, std::int64_t maxBytes, std::vector<char>& bytes) {
    Descriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat info {};
    if (file.fd < 0 || fstat(file.fd, &info) != 0)
        return Refuse(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return Refuse(path, std::string("it is ") + KindOf(info.st_mode));
    if (info.st_size > maxBytes)
        return Refuse(path, "it is larger than " + std::to_string(maxBytes >> 20) + " MB");
    bytes.assign(static_cast<std::size_t>(info.st_size), 0);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = read(file.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Refuse(path, std::strerror(errno));
        if (n == 0)
            break;  // shrunk while read
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return {};
}

}  // namespace engine
