#include "pipeline/MadeFiles.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <set>

#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace {

using platform::FileLock;
using platform::FillIn;
using platform::Translate;

constexpr const char* kMade = "made ";
constexpr const char* kKept = "kept ";
constexpr const char* kStamp = "stamp ";
constexpr const char* kPartial = ".part";

struct Record {
    std::set<std::string> made;
    std::set<std::string> kept;
    std::map<std::string, std::string> stamps;  // name: "<inode> <size>" once made
};

// What tells a made file or folder from another put under its name later:
// its inode and, for a file, its size ("-" for a folder); empty when there
// is nothing at path.
std::string StampOf(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return {};
    return std::to_string(st.st_ino) + " " +
           (S_ISDIR(st.st_mode) ? std::string("-") : std::to_string(st.st_size));
}

// The entry at path is still the one the record stamped as made.
bool StillOurs(const Record& record, const std::string& name, const std::string& path) {
    const auto stamp = record.stamps.find(name);
    return stamp != record.stamps.end() && stamp->second == StampOf(path);
}

// Names may hold any byte but '/'; line ends and '%' are escaped.
std::string Escape(const std::string& name) {
    std::string text;
    for (char c : name) {
        if (c == '%')
            text += "%25";
        else if (c == '\n')
            text += "%0A";
        else if (c == '\r')
            text += "%0D";
        else
            text += c;
    }
    return text;
}

std::string Unescape(const std::string& text) {
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const std::string code = text.substr(i + 1, 2);
            name += code == "25" ? '%' : code == "0A" ? '\n' : code == "0D" ? '\r' : '?';
            i += 2;
        } else {
            name += text[i];
        }
    }
    return name;
}

bool StartsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A name directly inside the folder that the program could have made.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name[0] != '.' && name.find('/') == std::string::npos &&
           name != kMadeFilesRecord;
}

// The record of folder; nullopt when there is none of this user's.
std::optional<Record> ReadRecord(const std::string& folder) {
    Record record;
    const auto text = platform::ReadOwnFile(folder + kMadeFilesRecord);
    if (!text)
        return std::nullopt;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos)
            break;  // a line cut short by a crash
        const std::string line = text->substr(start, end - start);
        start = end + 1;
        if (StartsWith(line, kStamp)) {  // "stamp <inode> <size> <name>"
            const std::size_t inode = line.find(' ', std::strlen(kStamp));
            const std::size_t size = inode == std::string::npos ? inode : line.find(' ', inode + 1);
            if (size != std::string::npos)
                record.stamps[Unescape(line.substr(size + 1))] =
                    line.substr(std::strlen(kStamp), size - std::strlen(kStamp));
            continue;
        }
        const bool made = StartsWith(line, kMade);
        if (!made && !StartsWith(line, kKept))
            continue;
        const std::string name = Unescape(line.substr(5));
        if (IsPlainName(name))
            (made ? record.made : record.kept).insert(name);
    }
    return record;
}

bool AppendLines(const std::string& folder, const std::string& lines) {
    const std::string path = folder + kMadeFilesRecord;
    FileLock lock = FileLock::Take(path, FileLock::Wait::Yes, FileLock::Create::Yes);
    return lock.Held() && platform::AppendToFile(path, lines);
}

// Why the record of folder could not be written, told right after it failed.
platform::Failure RecordFailure(const std::string& folder) {
    const int error = errno;
    const std::string path = folder + kMadeFilesRecord;
    if (platform::PathExists(path) &&
        (platform::IsSymbolicLink(path) || !platform::IsRegularFile(path)))
        return platform::Fail(
            FillIn(Translate("AuthoringJob", "%1 is not a regular file."), {path}));
    return platform::Fail(FillIn(Translate("AuthoringJob", "the record %1 cannot be written: %2."),
                                 {path, std::strerror(error)}));
}

// Removes a file or a folder tree that no run holds locked; never what is
// mounted there from another file system.
bool RemoveUnlessInUse(const std::string& path) {
    if (platform::IsSymbolicLink(path))
        return platform::RemoveFile(path);  // the link, never its target
    struct stat entry, folder;
    if (lstat(path.c_str(), &entry) != 0 || lstat(platform::FolderOf(path).c_str(), &folder) != 0 ||
        entry.st_dev != folder.st_dev)
        return false;
    FileLock lock = FileLock::Take(path, FileLock::Wait::No, FileLock::Create::No);
    if (!lock.Held())
        return !platform::PathExists(path);
    if (platform::IsFolder(path))
        return platform::RemoveFolderTree(path + "/") && !platform::PathExists(path);
    return platform::RemoveFile(path);
}

}  // namespace

std::string PartialStreamPath(const std::string& streamPath) {
    return streamPath + kPartial;
}

platform::Result<void> NoteMadeFiles(const std::string& folder,
                                     const std::vector<std::string>& names) {
    std::string lines;
    for (const std::string& name : names)
        lines += kMade + Escape(name) + "\n";
    if (!AppendLines(folder, lines))
        return RecordFailure(folder);
    return {};
}

bool NoteMadeFileDone(const std::string& folder, const std::string& name) {
    const std::string stamp = StampOf(folder + name);
    return !stamp.empty() && AppendLines(folder, kStamp + stamp + " " + Escape(name) + "\n");
}

bool NoteKeptFolder(const std::string& folder, const std::string& name) {
    return AppendLines(folder, kKept + Escape(name) + "\n");
}

void RemoveStaleLeftovers(const std::string& folder) {
    const Record record = ReadRecord(folder).value_or(Record{});
    for (const std::string& name : platform::ListFolder(folder)) {
        const bool made = record.made.count(name) != 0;
        const std::string path = folder + name;
        if (made && EndsWith(name, kPartial)) {
            if (platform::IsRegularFile(path))
                RemoveUnlessInUse(path);
        } else if (made && record.kept.count(name) == 0 && platform::IsFolder(path) &&
                   StillOurs(record, name, path) &&
                   !platform::PathExists(path + "/VIDEO_TS/VIDEO_TS.IFO")) {
            RemoveUnlessInUse(path);
        }
    }
}

platform::FileLock HoldWorkingFolder(const std::string& folder) {
    return FileLock::Take(folder, FileLock::Wait::Yes, FileLock::Create::No,
                          FileLock::Share::Shared);
}

void ClearMadeFiles(const std::string& folder) {
    // Whatever a running job made may still be in use (its streams wait for
    // the authoring): a folder a job holds is cleared another time.
    const FileLock idle = FileLock::Take(folder, FileLock::Wait::No, FileLock::Create::No);
    if (!idle.Held())
        return;
    RemoveStaleLeftovers(folder);
    const std::string recordPath = folder + kMadeFilesRecord;
    FileLock lock = FileLock::Take(recordPath, FileLock::Wait::Yes, FileLock::Create::No);
    if (!lock.Held())
        return;
    const std::optional<Record> record = ReadRecord(folder);
    if (!record)
        return;
    std::string left;
    for (const std::string& name : record->made) {
        if (record->kept.count(name) != 0)
            continue;
        const std::string path = folder + name;
        // A name listed but never stamped as made, or stamped but standing
        // for another file now, is somebody else's: it stays, unlisted.
        const bool ours = EndsWith(name, kPartial) || StillOurs(*record, name, path);
        if (!ours || !platform::PathExists(path) || RemoveUnlessInUse(path))
            continue;
        left += kMade + Escape(name) + "\n";
        if (const auto stamp = record->stamps.find(name); stamp != record->stamps.end())
            left += kStamp + stamp->second + " " + Escape(name) + "\n";
    }
    if (left.empty())
        platform::RemoveFile(recordPath);
    else
        static_cast<void>(platform::WriteFileAtomically(recordPath, left));
    lock.Release();
    platform::RemoveEmptyFolder(folder);
}
