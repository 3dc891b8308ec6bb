// An advisory lock on a file or folder between processes (flock): exclusive,
// or shared with other shared holders.
#pragma once

#include <string>

namespace platform {

class FileLock {
  public:
    enum class Wait { No, Yes };
    enum class Create { No, Yes };
    enum class Share { Exclusive, Shared };

    // Locks the file at path. With Wait::No it fails at once when another
    // process holds the lock. When the file is replaced (renamed over) or
    // removed while the lock is being taken, the file now at path is locked
    // instead, so a held lock always belongs to the file the path names.
    // Create::Yes makes the file (mode 0644) when it is missing.
    static FileLock Take(const std::string& path, Wait wait, Create create,
                         Share share = Share::Exclusive);

    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Unlocks and closes.
    void Release();

  private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace platform
