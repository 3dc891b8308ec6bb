// Project files: the videos of a disc in their order and the choices that
// make it (TV standard, picture shape, quality, disc type, menu backgrounds,
// disc title, volume label), saved as XML in a file ending with ".quorva". Everything that
// belongs to one run (working folder, device, the streams made) stays out.
// Paths below the project file's folder are stored relative to it, so that a
// project moved with its videos still finds them. Elements and attributes a
// reader does not know are ignored: later versions may add to the format.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

// The format this program writes.
inline constexpr int kProjectFormatVersion = 1;
inline constexpr const char* kProjectExtension = ".quorva";

struct Project {
    std::vector<std::string> videos;  // absolute paths, in the disc's order
    // By video (as many as videos): the numbers (from 1, in the file's order)
    // of the sound tracks left off the disc; empty: none.
    std::vector<std::vector<int>> droppedAudio;
    // Likewise the subtitles left off (from 1, in the order the video's
    // subtitles are found).
    std::vector<std::vector<int>> droppedSubtitles;
    // The names given to the videos, in the same order (empty, or shorter:
    // the names made from the files).
    std::vector<std::string> videoNames;
    // Option values as the options file keeps them; unset when not stored.
    std::optional<int> tvStandard;      // TARGET_DVD_TYPE
    std::optional<int> aspectRatio;     // VIDEO_ASPECT_RATIO
    std::optional<int> quality;         // VIDEO_QUALITY_MODE
    std::optional<int> stretch;         // STRETCH_TO_FILL
    std::optional<int> chapterMinutes;  // CHAPTER_MINUTES
    std::optional<int> afterEach;       // AFTER_EACH_VIDEO
    std::optional<int> discType;        // 0 DVD-5, 1 DVD-9
    std::optional<std::string> titleMenuBackground;
    std::optional<std::string> rootMenuBackground;
    std::optional<std::string> volumeLabel;
    // The title menu's text; empty: none. A project without one (older ones)
    // shows its own name.
    std::optional<std::string> discTitle;
    // The project file's name without ".quorva"; set by LoadProject.
    std::string name;
    // The format version the file states (LoadProject); 0 when it states none.
    int formatVersion = kProjectFormatVersion;
};

// For a project a later version of the program saved, what to tell the user
// once on opening it: that what this version does not know of it is left
// out. Empty for a project of this format or an older one.
std::string LaterVersionNotice(const Project& project, const std::string& path);

// True for a path ending with ".quorva" (any case).
bool IsProjectFile(const std::string& path);

// Reads a project; the failure names the file and says why (not there, not
// XML, not a project).
platform::Result<Project> LoadProject(const std::string& path);

// path with ".quorva" added when it ends otherwise.
std::string WithProjectExtension(const std::string& path);

// What stands where a project is to be saved: nothing, a project of this
// program, another regular file, or something else (a folder, a symbolic
// link, a device, a pipe), which a project never replaces.
enum class SaveTarget { Free, Project, OtherFile, NotAFile };
SaveTarget InspectSaveTarget(const std::string& path);

// Writes a project atomically (a crash never leaves half a file), through a
// temporary file renamed into place; never over what is not a regular file.
platform::Result<void> SaveProject(const std::string& path, const Project& project);

class CXMLAccess;

// A project of videos with the choices options holds, for discType; names:
// the names given to the videos (see Project::videoNames).
Project ProjectOf(const CXMLAccess& options, const std::vector<std::string>& videos, int discType,
                  const std::vector<std::string>& names = {});
// Sets the choices the project stores into options (what it lacks stays).
void ApplyProjectChoices(const Project& project, CXMLAccess& options);
