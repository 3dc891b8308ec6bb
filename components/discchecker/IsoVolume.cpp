#include "components/discchecker/IsoVolume.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace discchecker {
namespace {

constexpr std::int64_t kSector = 2048;
constexpr std::int64_t kDescriptorSector = 16;
constexpr std::size_t kLabelOffset = 40;
constexpr std::size_t kLabelSize = 32;
constexpr std::size_t kSizeOffset = 80;  // both-endian: little-endian first

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

IsoVolume ReadIsoVolume(const std::string& path) {
    IsoVolume volume;
    Fd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || fstat(fd.get(), &info) != 0) {
        volume.error = "cannot open " + path + ": " + std::strerror(errno);
        return volume;
    }
    if (S_ISREG(info.st_mode))
        volume.fileSectors = info.st_size / kSector;
    unsigned char block[kSector];
    if (pread(fd.get(), block, sizeof block, kDescriptorSector * kSector) !=
            static_cast<ssize_t>(sizeof block) ||
        block[0] != 1 || std::memcmp(block + 1, "CD001", 5) != 0) {
        volume.error = "no ISO 9660 volume descriptor in " + path;
        return volume;
    }
    std::string label(reinterpret_cast<const char*>(block + kLabelOffset), kLabelSize);
    while (!label.empty() && (label.back() == ' ' || label.back() == '\0'))
        label.pop_back();
    volume.label = label;
    volume.sectors = static_cast<std::int64_t>(block[kSizeOffset]) |
                     static_cast<std::int64_t>(block[kSizeOffset + 1]) << 8 |
                     static_cast<std::int64_t>(block[kSizeOffset + 2]) << 16 |
                     static_cast<std::int64_t>(block[kSizeOffset + 3]) << 24;
    return volume;
}

}  // namespace discchecker
