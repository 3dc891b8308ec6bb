// What the program makes in a working folder, recorded in the folder itself.
// Clearing the folder at exit removes only that, and the leftovers of a run
// that was killed are found again by the next one. Finished results (a DVD
// folder that became a disc or an image, and every image) are never removed.
#pragma once

#include <string>
#include <vector>

#include "platform/FileLock.h"
#include "platform/Result.h"

// The record's name inside the working folder.
inline constexpr const char* kMadeFilesRecord = ".quorva-made";

// Notes names (of files or folders directly inside folder, which ends with
// '/') that the program is about to make there. Called before they are made,
// so a crash still leaves them listed. Fails when the record cannot be written
// ("<path> is not a regular file.", or the system's reason).
platform::Result<void> NoteMadeFiles(const std::string& folder,
                                     const std::vector<std::string>& names);

// Notes that name, directly inside folder, is made now: clearing removes a
// made file or folder only while its inode (and a file's size) is still the
// one noted, never another put under its name later.
bool NoteMadeFileDone(const std::string& folder, const std::string& name);

// Notes that the made DVD folder name was burned or written as an image:
// clearing keeps it.
bool NoteKeptFolder(const std::string& folder, const std::string& name);

// Removes the leftovers of runs that were killed: partial streams and partial
// disc images the record lists that no run is writing any more, and made DVD
// folders that never got their VIDEO_TS.IFO and that no run is authoring. A
// file the record does not list stays, whatever its name.
void RemoveStaleLeftovers(const std::string& folder);

// Removes the leftovers and everything the record lists as made (and noted
// done, unless a partial file) and not kept, then the record when nothing it
// lists is left, and the folder when it is empty. Nothing that the record
// does not list is touched.
void ClearMadeFiles(const std::string& folder);

// Held by a job for as long as it runs in folder (shared with other jobs):
// clearing leaves a folder that any running job holds as it is.
platform::FileLock HoldWorkingFolder(const std::string& folder);

// The stream a conversion is writing: the partial file beside it.
std::string PartialStreamPath(const std::string& streamPath);
