// Checks an authored DVD the way a living-room player would use it, without
// decoding pictures: the information files and chapter lengths, the title
// menu and its two buttons, the root menu's pages and where each button
// leads, the end of the title, and for images the size and volume label.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class CancelSignal;
}

namespace discchecker {

// How close a chapter's length must be to its video's.
inline constexpr double kLengthTolerance = 0.5;

struct DiscExpectation {
    // The videos on the disc; 0 takes the number of chapters the disc holds.
    std::size_t videoCount = 0;
    // Each video's length in seconds, in order; empty: lengths not compared.
    std::vector<double> videoSeconds;
    // Where each video starts on the disc and how many chapters it has, in
    // order; empty: each video is one chapter of title 1.
    struct VideoStart {
        int title = 1;
        int chapter = 1;
        int chapters = 1;
    };
    std::vector<VideoStart> videoStarts;
    // The volume label of an image or a disc; not given: not compared. A
    // folder has no label.
    std::optional<std::string> volumeLabel;
    // The disc was authored by this program, so its menus are checked in
    // full: a title menu with Play and a root-menu button, root-menu pages of
    // chapter buttons. Otherwise they are checked only when first play shows
    // such a title menu; a disc laid out in another way is checked for its
    // files, its chapters and that first play leads somewhere.
    bool madeHere = false;
};

struct CheckLine {
    std::string what;
    bool passed = false;
    std::string found;
    // "ok      what: found" or "FAILED  what: found".
    std::string ToString() const;
};

struct DiscCheckReport {
    std::vector<CheckLine> lines;
    std::size_t videos = 0;    // chapters of the title found on the disc
    bool menusChecked = true;  // false for a disc whose menus are laid out otherwise

    bool AllPassed() const;
    // The lines as ToString() has them, in the user's language.
    std::vector<std::string> Text() const;
    // The failed lines, "what: found" joined by "; ", in the user's language.
    std::string Failures() const;
    // The one line that says all passed: "Disc checked: N videos, ...",
    // saying so when the menus were not checked.
    std::string Summary() const;
};

// The longest the player's walk through a disc may take.
inline constexpr int kWalkSeconds = 180;

// path: a folder holding VIDEO_TS, a disc image file or a drive's device.
// The walk ends, failed, when cancel (if given) is cancelled or after
// kWalkSeconds; it runs in a child process, which is ended when one step of
// the player's navigation does not return within seconds.
DiscCheckReport CheckDisc(const std::string& path, const DiscExpectation& expected,
                          platform::CancelSignal* cancel = nullptr);

}  // namespace discchecker
