// Small helpers for tests that run real programs on real media.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct CommandResult {
    int status = -1;     // exit status; -1 when it could not run or was killed
    std::string output;  // standard output and error output together
};

// Runs argv[0] (found on PATH) without a shell. stdinPath / stdoutPath, when
// not empty, replace the standard input and output.
CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& stdinPath = {},
                         const std::string& stdoutPath = {});

// A DVD-compliant MPEG-2 program stream made by the ffmpeg program: a still
// colour (or, with moving, a test pattern) of width x height at the PAL or
// NTSC rate, with silent AC-3 audio. True when the file was made.
bool MakeDvdMpeg(const std::string& path, bool pal, double seconds, bool moving = false);

// A test pattern of the given seconds with two sound tracks, a 440 Hz tone
// tagged "eng" and an 880 Hz one tagged "fra". True when the file was made.
bool MakeEnglishFrenchClip(const std::string& path, double seconds);

// A Blu-ray picture subtitle file (.sup, PGS) for a width x height video:
// during each [start, end) of cues, in seconds, a white box with a black
// border near the bottom. The ffmpeg program reads it but cannot make one.
bool MakePgsSubtitles(const std::string& path, int width, int height,
                      const std::vector<std::pair<double, double>>& cues);

// A fresh private folder, removed with everything in it at the end of scope.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder, ending with '/'.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

}  // namespace testsupport
