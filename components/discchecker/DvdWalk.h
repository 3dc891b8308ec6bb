// Walks a DVD the way a player's navigation does (libdvdnav), without
// decoding pictures: starts at first play, finds the menu on screen and its
// buttons, presses buttons and reports where they lead.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Result.h"

struct dvdnav_s;

namespace discchecker {

enum class DvdDomain { None, FirstPlay, ManagerMenu, TitleSetMenu, Title, Stopped };

const char* DomainName(DvdDomain domain);

struct DvdPlace {
    DvdDomain domain = DvdDomain::None;
    int titleSet = 0;     // 0 in the video manager
    int title = 0;        // in a title: its number (1-based)
    int part = 0;         // in a title: its chapter (1-based)
    int buttons = 0;      // in a menu: buttons of the highlight information
    int highlighted = 0;  // in a menu: the button highlighted on arrival (1-based)
    // In a menu: the disc sector of its first navigation packet, which tells
    // one menu of a domain from another.
    std::uint32_t menuSector = 0;
    bool still = false;  // the player waits (still frame) in this place
    std::string ToString() const;
    // The same menu as other (domain, title set and sector).
    bool SameMenu(const DvdPlace& other) const;
};

class DvdWalk {
  public:
    // path: a folder holding VIDEO_TS, a VIDEO_TS folder, an .iso image or a
    // drive's device.
    static platform::Result<std::unique_ptr<DvdWalk>> Open(const std::string& path);
    ~DvdWalk();
    DvdWalk(const DvdWalk&) = delete;
    DvdWalk& operator=(const DvdWalk&) = delete;

    // Plays on until the player settles: a menu that shows buttons, the
    // start of a title, a stop, or maxBlocks blocks read.
    DvdPlace Settle(int maxBlocks = 50000);
    // In a menu found by Settle: plays on to the end of the menu's cell. True
    // when the player then waits on an endless still frame (the menu stays on
    // screen until a button is pressed); false when the cell ended or its
    // still timed out and playback moved on (Current() tells where).
    bool HoldsStill(int maxBlocks = 50000);
    // Presses button (1-based) of the menu found by the last Settle, then
    // settles where it leads. domain None when the press was refused.
    DvdPlace Press(int button, int maxBlocks = 50000);
    // Calls the title menu (the manager's menu) or the root menu of the
    // current title set, then settles.
    DvdPlace CallTitleMenu();
    DvdPlace CallRootMenu();
    // Plays on through the title's cells until the player shows a menu with
    // buttons again (or stops): where a title's end leads. With skipToEnd the
    // title is first searched to its last sectors, as a player's skip does,
    // so that a long title is not read through.
    DvdPlace PlayUntilMenu(bool skipToEnd = false, int maxCells = 1000);

    // Ends the walk (every later step finds playback stopped) once deadline
    // has passed; CutShort() then tells.
    void Limit(std::chrono::steady_clock::time_point deadline);
    bool CutShort() const { return cutShort_; }
    // onStep is told before each call into the player's navigation what the
    // walk is doing ("pressing button 2 of manager menu ..."): one of those
    // calls may never return.
    void Observe(std::function<void(const std::string&)> onStep) { onStep_ = std::move(onStep); }

    const DvdPlace& Current() const { return place_; }
    // In a title: the audio streams a player can switch between there, by
    // their logical number, each with its language ("en"; "" when none).
    std::vector<std::string> AudioStreams() const;
    // The audio stream the player has chosen (0 to 7), -1 when there is none.
    int AudioStream() const;
    // The subtitle stream the player has chosen (0 to 31), -1 when there is
    // none; shown tells whether it is shown or only its forced cues are.
    int SubtitleStream(bool* shown = nullptr) const;
    // In a title: plays on through it, at most maxBlocks blocks, and gives
    // the sub-streams of the private stream packets read on the way (audio
    // 0x80-0x87, subtitles 0x20-0x3F). Current() is left as it was.
    std::set<int> SubstreamsPlayed(int maxBlocks = 50000);
    // libdvdnav's and libdvdread's complaints so far ("; "-joined).
    std::string Complaints() const;

  private:
    struct Log;
    DvdWalk(dvdnav_s* nav, std::unique_ptr<Log> log);
    DvdPlace Run(int maxBlocks, bool needNewCell);
    bool Next(int& event);
    DvdDomain CurrentDomain() const;
    void Doing(std::string what);

    dvdnav_s* nav_;
    std::unique_ptr<Log> log_;
    DvdPlace place_;
    int titleSet_ = 0;
    std::unique_ptr<std::uint8_t[]> block_;
    struct SavedPci;
    std::unique_ptr<SavedPci> pci_;  // highlight information of the last menu
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    bool cutShort_ = false;
    std::function<void(const std::string&)> onStep_;
    std::string doing_ = "starting playback at first play";
};

}  // namespace discchecker
