#include "components/discchecker/DvdWalk.h"

#include <dvdnav/dvdnav.h>

#include "components/discchecker/PackPackets.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace discchecker {

// Collects what libdvdnav (and libdvdread beneath it) complain about, instead
// of letting them print to the terminal.
struct DvdWalk::Log {
    static constexpr std::size_t kKept = 8;
    std::vector<std::string> lines;

    static void Receive(void* self, dvdnav_logger_level_t level, const char* format, va_list args) {
        if (level != DVDNAV_LOGGER_LEVEL_ERROR && level != DVDNAV_LOGGER_LEVEL_WARN)
            return;
        char text[512];
        std::vsnprintf(text, sizeof text, format, args);
        std::string line = text;
        while (!line.empty() && (line.back() == '\n' || line.back() == ' '))
            line.pop_back();
        auto& lines = static_cast<Log*>(self)->lines;
        if (!line.empty() && lines.size() < kKept && (lines.empty() || lines.back() != line))
            lines.push_back(line);
    }
};

struct DvdWalk::SavedPci {
    pci_t pci{};
    bool valid = false;
};

const char* DomainName(DvdDomain domain) {
    switch (domain) {
        case DvdDomain::None:
            return "none";
        case DvdDomain::FirstPlay:
            return "first play";
        case DvdDomain::ManagerMenu:
            return "manager menu";
        case DvdDomain::TitleSetMenu:
            return "title set menu";
        case DvdDomain::Title:
            return "title";
        case DvdDomain::Stopped:
            return "stopped";
    }
    return "?";
}

std::string DvdPlace::ToString() const {
    std::string text = DomainName(domain);
    if (domain == DvdDomain::Title)
        text += " " + std::to_string(title) + " chapter " + std::to_string(part);
    if (domain == DvdDomain::ManagerMenu || domain == DvdDomain::TitleSetMenu)
        text +=
            " (set " + std::to_string(titleSet) + ", " + std::to_string(buttons) + " buttons" +
            (highlighted > 0 ? ", button " + std::to_string(highlighted) + " highlighted" : "") +
            (still ? ", still" : "") + ")";
    return text;
}

bool DvdPlace::SameMenu(const DvdPlace& other) const {
    return domain == other.domain && titleSet == other.titleSet && menuSector == other.menuSector;
}

int DvdWalk::AudioStream() const {
    return dvdnav_get_active_audio_stream(nav_);
}

int DvdWalk::SubtitleStream(bool* shown) const {
    const int active = dvdnav_get_active_spu_stream(nav_);
    if (active == -1)
        return -1;
    // The high bit marks a stream that is not shown.
    const int stream = active & 0x7F;
    if (shown)
        *shown = (active & 0x80) == 0;
    return stream;
}

platform::Result<std::unique_ptr<DvdWalk>> DvdWalk::Open(const std::string& path) {
    auto log = std::make_unique<Log>();
    const dvdnav_logger_cb logger{&Log::Receive};
    dvdnav_t* nav = nullptr;
    if (dvdnav_open2(&nav, log.get(), &logger, path.c_str()) != DVDNAV_STATUS_OK) {
        std::string error = "no DVD-Video can be read from " + path;
        if (!log->lines.empty())
            error += " (" + log->lines.front() + ")";
        if (nav)
            dvdnav_close(nav);
        return platform::Fail(std::move(error));
    }
    dvdnav_set_readahead_flag(nav, 0);
    dvdnav_set_PGC_positioning_flag(nav, 1);
    return std::unique_ptr<DvdWalk>(new DvdWalk(nav, std::move(log)));
}

DvdWalk::DvdWalk(dvdnav_s* nav, std::unique_ptr<Log> log)
    : nav_(nav),
      log_(std::move(log)),
      block_(new std::uint8_t[DVD_VIDEO_LB_LEN]),
      pci_(new SavedPci) {}

std::string DvdWalk::Complaints() const {
    std::string text;
    for (const std::string& line : log_->lines)
        text += (text.empty() ? "" : "; ") + line;
    return text;
}

DvdWalk::~DvdWalk() {
    dvdnav_close(nav_);
}

DvdDomain DvdWalk::CurrentDomain() const {
    if (dvdnav_is_domain_fp(nav_))
        return DvdDomain::FirstPlay;
    if (dvdnav_is_domain_vmgm(nav_))
        return DvdDomain::ManagerMenu;
    if (dvdnav_is_domain_vtsm(nav_))
        return DvdDomain::TitleSetMenu;
    if (dvdnav_is_domain_vts(nav_))
        return DvdDomain::Title;
    return DvdDomain::None;
}

std::vector<std::string> DvdWalk::AudioStreams() const {
    std::vector<std::string> languages;
    // The title's stream table maps each of the eight physical streams that
    // its program chain marks available to a logical one.
    for (std::uint8_t physical = 0; physical < 8; ++physical) {
        const int logical = dvdnav_get_audio_logical_stream(nav_, physical);
        if (logical < 0)
            continue;
        const std::uint16_t code =
            dvdnav_audio_stream_to_lang(nav_, static_cast<std::uint8_t>(logical));
        std::string language;
        if (code != 0xffff && code != 0)
            language = {static_cast<char>(code >> 8), static_cast<char>(code & 0xff)};
        if (static_cast<std::size_t>(logical) >= languages.size())
            languages.resize(logical + 1);
        languages[logical] = language;
    }
    return languages;
}

void DvdWalk::Doing(std::string what) {
    doing_ = std::move(what);
    if (onStep_)
        onStep_(doing_);
}

DvdPlace DvdWalk::Settle(int maxBlocks) {
    if (place_.domain != DvdDomain::None)
        doing_ = "playing on from " + place_.ToString();
    return Run(maxBlocks, false);
}

void DvdWalk::Limit(std::chrono::steady_clock::time_point deadline) {
    deadline_ = deadline;
}

bool DvdWalk::Next(int& event) {
    if (cutShort_ || std::chrono::steady_clock::now() > deadline_) {
        cutShort_ = true;
        return false;
    }
    if (onStep_)
        onStep_(doing_);
    int length = 0;
    if (dvdnav_get_next_block(nav_, block_.get(), &event, &length) != DVDNAV_STATUS_OK)
        return false;
    if (event == DVDNAV_VTS_CHANGE)
        titleSet_ = reinterpret_cast<dvdnav_vts_change_event_t*>(block_.get())->new_vtsN;
    else if (event == DVDNAV_WAIT)
        dvdnav_wait_skip(nav_);
    return true;
}

DvdPlace DvdWalk::Run(int maxBlocks, bool needNewCell) {
    bool newCell = !needNewCell;
    DvdPlace place;
    for (int i = 0; i < maxBlocks; ++i) {
        int event = 0;
        if (!Next(event) || event == DVDNAV_STOP) {
            place.domain = DvdDomain::Stopped;
            break;
        }
        if (event == DVDNAV_VTS_CHANGE || event == DVDNAV_CELL_CHANGE) {
            newCell = true;
        } else if (event == DVDNAV_STILL_FRAME) {
            dvdnav_still_skip(nav_);  // a still without buttons: a player moves on
        } else if (event == DVDNAV_NAV_PACKET && newCell) {
            const DvdDomain domain = CurrentDomain();
            if (domain == DvdDomain::Title) {
                place.domain = domain;
                place.titleSet = titleSet_;
                int32_t title = 0, part = 0;
                dvdnav_current_title_info(nav_, &title, &part);
                place.title = title;
                place.part = part;
                break;
            }
            pci_t* pci = dvdnav_get_current_nav_pci(nav_);
            if ((domain == DvdDomain::ManagerMenu || domain == DvdDomain::TitleSetMenu) && pci &&
                pci->hli.hl_gi.hli_ss != 0 && pci->hli.hl_gi.btn_ns > 0) {
                place.domain = domain;
                place.titleSet = domain == DvdDomain::ManagerMenu ? 0 : titleSet_;
                place.buttons = pci->hli.hl_gi.btn_ns;
                place.menuSector = pci->pci_gi.nv_pck_lbn;
                int32_t highlighted = 0;
                if (dvdnav_get_current_highlight(nav_, &highlighted) == DVDNAV_STATUS_OK)
                    place.highlighted = highlighted;
                std::memcpy(&pci_->pci, pci, sizeof(pci_t));
                pci_->valid = true;
                break;
            }
        }
    }
    place_ = place;
    return place;
}

bool DvdWalk::HoldsStill(int maxBlocks) {
    if (!pci_->valid)
        return false;
    doing_ = "playing " + place_.ToString() + " to the end of its picture";
    for (int i = 0; i < maxBlocks; ++i) {
        int event = 0;
        if (!Next(event) || event == DVDNAV_STOP) {
            place_ = DvdPlace{DvdDomain::Stopped};
            pci_->valid = false;
            return false;
        }
        if (event == DVDNAV_STILL_FRAME) {
            const int length = reinterpret_cast<dvdnav_still_event_t*>(block_.get())->length;
            if (length == 0xff) {
                place_.still = true;
                return true;
            }
            dvdnav_still_skip(nav_);  // a timed still: a player moves on afterwards
            continue;
        }
        if (event == DVDNAV_VTS_CHANGE || event == DVDNAV_CELL_CHANGE) {
            pci_->valid = false;
            Run(maxBlocks, false);
            return false;
        }
    }
    return false;
}

DvdPlace DvdWalk::Press(int button, int maxBlocks) {
    if (!pci_->valid || button < 1 || button > place_.buttons)
        return DvdPlace{};
    pci_t pci = pci_->pci;
    pci_->valid = false;
    Doing("pressing button " + std::to_string(button) + " of " + place_.ToString());
    if (dvdnav_button_select_and_activate(nav_, &pci, button) != DVDNAV_STATUS_OK)
        return DvdPlace{};
    return Run(maxBlocks, true);
}

DvdPlace DvdWalk::CallTitleMenu() {
    Doing("calling the title menu from " + place_.ToString());
    if (dvdnav_menu_call(nav_, DVD_MENU_Title) != DVDNAV_STATUS_OK)
        return DvdPlace{};
    return Run(50000, true);
}

DvdPlace DvdWalk::CallRootMenu() {
    Doing("calling the root menu from " + place_.ToString());
    if (dvdnav_menu_call(nav_, DVD_MENU_Root) != DVDNAV_STATUS_OK)
        return DvdPlace{};
    return Run(50000, true);
}

std::set<int> DvdWalk::SubstreamsPlayed(int maxBlocks) {
    std::set<int> seen;
    Doing("playing " + place_.ToString());
    for (int i = 0; i < maxBlocks && CurrentDomain() == DvdDomain::Title; ++i) {
        int event = 0;
        if (!Next(event) || event == DVDNAV_STOP)
            break;
        if (event == DVDNAV_BLOCK_OK)
            ForEachPacket(block_.get(), [&seen](std::uint8_t, int substream) {
                if (substream >= 0)
                    seen.insert(substream);
            });
        else if (event == DVDNAV_STILL_FRAME)
            dvdnav_still_skip(nav_);
    }
    return seen;
}

DvdPlace DvdWalk::PlayUntilMenu(bool skipToEnd, int maxCells) {
    DvdPlace place = place_;
    Doing("playing " + place.ToString() + " to its end");
    std::uint32_t position = 0, length = 0;
    if (skipToEnd && place.domain == DvdDomain::Title &&
        dvdnav_get_position(nav_, &position, &length) == DVDNAV_STATUS_OK && length > 1)
        dvdnav_sector_search(nav_, length - 1, SEEK_SET);
    for (int i = 0; i < maxCells && place.domain == DvdDomain::Title; ++i)
        place = Run(50000, true);
    return place;
}

}  // namespace discchecker
