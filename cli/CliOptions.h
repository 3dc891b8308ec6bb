// The command line of quorva-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

struct CliOptions {
    enum class Command { None, Make, Burn, Check, Devices, Help, Version };
    Command command = Command::None;
    std::optional<int> tvStandard;      // 0 NTSC, 1 PAL
    std::optional<int> aspectRatio;     // 0 16:9, 1 4:3
    std::optional<int> quality;         // 0..4, or 5: fit to disc
    std::optional<int> jobs;            // conversions side by side
    std::optional<int> chapterMinutes;  // a chapter every so many minutes; 0: one per video
    std::optional<int> afterEach;       // 0: the next video plays, 1: back to the root menu
    int discType = 0;                   // 0 DVD-5, 1 DVD-9
    bool discTypeGiven = false;         // --disc was given
    std::optional<std::string> label;
    std::optional<std::string> title;  // the title menu's text
    std::optional<int> device;
    std::optional<int> speed;  // times DVD speed; 0: the drive's best
    bool stretch = false;      // fill the frame instead of keeping proportions
    bool iso = false;
    bool force = false;
    bool yes = false;
    bool verbose = false;        // --verbose, -v: FFmpeg's own messages too
    bool checkAfterBurn = true;  // --no-check turns it off
    std::optional<std::string> workingFolder;
    std::optional<std::string> saveProject;  // --save-project FILE
    std::optional<std::string> audio;        // --audio all|first|LANG,...
    std::vector<std::string> inputs;         // videos, the DVD folder to burn, or the disc to check
    // The subtitles' languages to keep (two-letter codes); nullopt: all,
    // empty: none.
    std::optional<std::vector<std::string>> subtitleLanguages;
    std::optional<std::string> subtitleDefault;  // the language shown from the start
    bool skipBadSubtitles = false;               // leave out subtitles that cannot be read
};

// Parses argv; on bad usage, the failure says what is wrong.
platform::Result<CliOptions> ParseCommandLine(int argc, char** argv);

extern const char* const kCliUsage;
