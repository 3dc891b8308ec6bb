// File and folder operations. Paths are UTF-8 with '/'.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace platform {

// Anything (file, folder, link) exists at path; links are not followed.
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
bool IsRegularFile(const std::string& path);
bool IsSymbolicLink(const std::string& path);
std::int64_t FileSize(const std::string& path);  // -1 when missing

// What a path names as a source to read, found without reading it: links are
// followed, a pipe or device is never opened in a way that could block.
enum class FileKind { Missing, NoAccess, Folder, Pipe, Device, Socket, Other, Regular };
struct ReadableFile {
    FileKind kind = FileKind::Missing;
    std::int64_t size = -1;  // bytes of a regular file
    bool readable = false;   // a regular file this process may open for reading
};
ReadableFile InspectForReading(const std::string& path);
// A file's size, modification time (nanoseconds since 1970) and identity
// (device and inode), following links: a file rewritten or replaced under
// its name gets another stamp.
struct FileStamp {
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::string& path);
// Creates one folder level (mode 0777 & umask); a failure carries the
// system's reason and error number.
Result<void> CreateFolder(const std::string& path);
// Whether a new file can be made in folder (a file is made and removed to find
// out); a failure says why ("Permission denied", "Read-only file system", ...).
Result<void> CheckFolderWritable(const std::string& folder);
// Bytes an ordinary user may still write on folder's file system; -1 when it
// cannot be told.
std::int64_t FreeBytes(const std::string& folder);
// The longest file name, in bytes, that folder's file system takes (looked up
// on the nearest existing folder; 255 when it cannot be told).
std::int64_t MaxNameBytes(const std::string& folder);
// Creates the folder and its missing parents; the failure as CreateFolder's.
Result<void> CreateFolders(const std::string& path);
bool RemoveFile(const std::string& path);
bool RemoveEmptyFolder(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
// Renames from to to only when nothing exists at to: false when something
// does (or the rename fails), leaving both as they were.
bool RenameNoReplace(const std::string& from, const std::string& to);
// Copies from over to (replacing it); false on failure, leaving no partial
// target behind.
bool CopyFile(const std::string& from, const std::string& to);
// Makes sure folder (ending with '/') exists as a private folder of this user:
// created with mode 0700 when missing; an existing symbolic link or a folder
// of another user is refused, with the reason.
Result<void> EnsurePrivateFolder(const std::string& folder);
// Creates a new empty file in folder (ending with '/') named prefix's first
// three characters + a unique hexadecimal number + ".tmp", exclusively.
std::optional<std::string> CreateUniqueFile(const std::string& folder, const std::string& prefix);
// Creates a new private folder (mode 0700) under the system temp path named
// prefix + a unique part; its path ending with '/', or empty on failure.
std::string CreateTempFolder(const std::string& prefix);
// Reads a whole file; nullopt when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path);
// Reads a whole regular file that belongs to this user, never through a
// symbolic link; nullopt otherwise.
std::optional<std::string> ReadOwnFile(const std::string& path);
// Appends text to the file at path in one write (creating it, mode 0644),
// never through a symbolic link.
bool AppendToFile(const std::string& path, const std::string& text);
// The names in folder (without "." and ".."); empty when it cannot be listed.
std::vector<std::string> ListFolder(const std::string& folder);
// Writes a whole file through a temporary file renamed over the target; a
// failure carries the system's reason and error number.
Result<void> WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace platform
