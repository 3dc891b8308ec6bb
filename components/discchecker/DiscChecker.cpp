#include "components/discchecker/DiscChecker.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

#include "components/discchecker/CheckWording.h"
#include "components/discchecker/ChildRun.h"
#include "components/discchecker/DiscLayout.h"
#include "components/discchecker/DvdWalk.h"
#include "components/discchecker/IsoVolume.h"
#include "platform/Result.h"
#include "platform/Translation.h"

namespace discchecker {
namespace {

constexpr std::size_t kTitleMenuButtons = 2;
constexpr std::size_t kMaxMenuPages = 99;  // the most menus a title set holds
// The longest one step of the walk may take: a disc image or a folder
// answers at once, a drive may first have to spin up.
constexpr auto kFileStep = std::chrono::seconds(3);
constexpr auto kDriveStep = std::chrono::seconds(60);

std::string Seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", value);
    return text;
}

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Whether path may hold a disc (a folder, a file, a drive or a missing path),
// and when not, what it is (opening a pipe would wait for a writer).
platform::Result<void> CheckMayHoldDisc(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || S_ISREG(info.st_mode) ||
        S_ISBLK(info.st_mode))
        return {};
    if (S_ISFIFO(info.st_mode))
        return platform::Fail("a pipe");
    if (S_ISSOCK(info.st_mode))
        return platform::Fail("a socket");
    return platform::Fail(S_ISCHR(info.st_mode) ? "a character device" : "not a regular file");
}

// Where one press of a root-menu button leads.
struct Destination {
    enum class Kind { Chapter, Page, TitleMenu, Elsewhere } kind = Kind::Elsewhere;
    int title = 0;  // Chapter
    int chapter = 0;
    std::size_t page = 0;  // Page (0-based)
    std::string where;     // Elsewhere
};

struct MenuPage {
    MenuPage(std::vector<int> pressesFromRoot, const DvdPlace& where)
        : presses(std::move(pressesFromRoot)), place(where) {}
    std::vector<int> presses;  // from the root menu's first page
    DvdPlace place;
    bool holds = false;
    std::string movedOn;  // where playback went when it did not hold
    std::vector<Destination> buttons;
};

// Plays the disc through libdvdnav and adds a line for each step a viewer
// takes: the title menu, Play, the end of the title, the root menu's pages
// and every one of their buttons.
class MenuCheck {
  public:
    MenuCheck(DvdWalk& walk, DiscCheckReport& report, const DiscExpectation& expected)
        : walk_(walk),
          report_(report),
          madeHere_(expected.madeHere),
          described_(expected.videoCount > 0 || !expected.videoStarts.empty()),
          starts_(expected.videoStarts) {}

    void Run() {
        if (!CheckTitleMenu())
            return;
        CheckPlay();
        if (!CheckRootMenu())
            return;
        ExplorePages();
        ReportPages();
        ReportChapterButtons();
    }

  private:
    void Add(std::string what, bool passed, std::string found) {
        report_.lines.push_back(CheckLine{std::move(what), passed, std::move(found)});
    }

    std::string Describe(const DvdPlace& place) const {
        switch (place.domain) {
            case DvdDomain::None:
                return "nothing (the player refuses it)";
            case DvdDomain::Stopped:
                return "a stop of playback";
            case DvdDomain::Title:
                return "title " + std::to_string(place.title) + " chapter " +
                       std::to_string(place.part);
            case DvdDomain::ManagerMenu:
                return place.SameMenu(titleMenu_) ? "the title menu" : "another title menu";
            case DvdDomain::TitleSetMenu:
                return "a root menu";
            case DvdDomain::FirstPlay:
                return "first play";
        }
        return "?";
    }

    std::string NotHolding() const {
        return "does not wait for a button: when its picture ends, playback goes on to " +
               Describe(walk_.Current());
    }

    bool CheckTitleMenu() {
        const DvdPlace first = walk_.Settle();
        const bool plays = first.domain == DvdDomain::Title ||
                           first.domain == DvdDomain::ManagerMenu ||
                           first.domain == DvdDomain::TitleSetMenu;
        const bool ourLayout = first.domain == DvdDomain::ManagerMenu &&
                               static_cast<std::size_t>(first.buttons) == kTitleMenuButtons;
        if (!madeHere_ && plays && !ourLayout) {
            Add("Menus", true,
                "first play leads to " + Describe(first) +
                    ": the menus are not laid out as this program makes them and were not "
                    "checked");
            report_.menusChecked = false;
            return false;
        }
        if (first.domain != DvdDomain::ManagerMenu) {
            std::string found = "leads to " + Describe(first) + ", not to the title menu";
            if (const std::string why = walk_.Complaints(); !why.empty())
                found += " (" + why + ")";
            Add("First play", false, found);
            return false;
        }
        titleMenu_ = first;
        Add("First play", true, "shows the title menu");
        const bool twoButtons = static_cast<std::size_t>(first.buttons) == kTitleMenuButtons;
        const bool holds = walk_.HoldsStill();
        std::string found = Count(first.buttons, "button", "buttons");
        if (!twoButtons)
            found += ", expected " + std::to_string(kTitleMenuButtons);
        found += holds ? ", holds as a still" : ", " + NotHolding();
        Add("Title menu", twoButtons && holds, found);
        return first.buttons >= 1;
    }

    DvdPlace ToTitleMenu() {
        const DvdPlace place = walk_.CallTitleMenu();
        return place.SameMenu(titleMenu_) ? place : DvdPlace{};
    }

    void CheckPlay() {
        if (ToTitleMenu().domain == DvdDomain::None) {
            Add("Play button", false, "the title menu cannot be called again");
            return;
        }
        const DvdPlace played = walk_.Press(1);
        const bool plays =
            played.domain == DvdDomain::Title && played.title == 1 && played.part == 1;
        Add("Play button", plays,
            plays ? "plays title 1 from chapter 1"
                  : "leads to " + Describe(played) + ", not to title 1 chapter 1");
        if (played.domain != DvdDomain::Title)
            return;
        const DvdPlace after = walk_.PlayUntilMenu(true);
        const bool menu =
            after.domain == DvdDomain::ManagerMenu || after.domain == DvdDomain::TitleSetMenu;
        Add("End of the title", menu,
            menu ? "returns to " + Describe(after)
                 : "leads to " + Describe(after) + ", not back to a menu");
    }

    bool CheckRootMenu() {
        if (titleMenu_.buttons < 2) {
            Add("Root menu button", false, "the title menu has no second button");
            return false;
        }
        DvdPlace root;
        if (ToTitleMenu().domain != DvdDomain::None)
            root = walk_.Press(2);
        const bool opens = root.domain == DvdDomain::TitleSetMenu;
        Add("Root menu button", opens,
            opens ? "opens the root menu"
                  : "leads to " + Describe(root) + ", not to the root menu");
        if (opens)
            pages_.emplace_back(std::vector<int>{}, root);
        return opens;
    }

    // Goes to the page as a viewer would: title menu, its second button,
    // then the page buttons that first led there.
    bool Reach(const MenuPage& page) {
        if (ToTitleMenu().domain == DvdDomain::None)
            return false;
        DvdPlace place = walk_.Press(2);
        for (int press : page.presses)
            place = walk_.Press(press);
        return place.SameMenu(page.place);
    }

    std::size_t PageOf(const DvdPlace& place) {
        for (std::size_t i = 0; i < pages_.size(); ++i)
            if (pages_[i].place.SameMenu(place))
                return i;
        return pages_.size();
    }

    Destination Classify(const DvdPlace& place, const std::vector<int>& presses) {
        Destination to;
        if (place.domain == DvdDomain::Title) {
            to.kind = Destination::Kind::Chapter;
            to.title = place.title;
            to.chapter = place.part;
        } else if (place.domain == DvdDomain::TitleSetMenu) {
            to.kind = Destination::Kind::Page;
            to.page = PageOf(place);
            if (to.page == pages_.size() && pages_.size() < kMaxMenuPages)
                pages_.emplace_back(presses, place);
        } else if (place.domain == DvdDomain::ManagerMenu && place.SameMenu(titleMenu_)) {
            to.kind = Destination::Kind::TitleMenu;
        } else {
            to.where = Describe(place);
        }
        return to;
    }

    void ExplorePages() {
        for (std::size_t p = 0; p < pages_.size(); ++p) {
            if (!Reach(pages_[p]))
                continue;  // reported with the page
            pages_[p].holds = walk_.HoldsStill();
            if (!pages_[p].holds)
                pages_[p].movedOn = NotHolding();
            for (int b = 1; b <= pages_[p].place.buttons; ++b) {
                if ((b > 1 || !pages_[p].holds) && !Reach(pages_[p])) {
                    pages_[p].buttons.push_back(Destination{});
                    continue;
                }
                std::vector<int> presses = pages_[p].presses;
                presses.push_back(b);
                // Classify may add a page: the vector grows before the push.
                const Destination to = Classify(walk_.Press(b), presses);
                pages_[p].buttons.push_back(to);
            }
        }
    }

    void ReportPages() {
        const std::size_t count = pages_.size();
        for (std::size_t p = 0; p < count; ++p) {
            const MenuPage& page = pages_[p];
            std::vector<std::string> parts{Count(page.place.buttons, "button", "buttons")};
            bool passed = page.holds && page.place.buttons > 0;
            std::vector<int> chapters;
            for (std::size_t b = 0; b < page.buttons.size(); ++b) {
                const Destination& to = page.buttons[b];
                const std::string button = "button " + std::to_string(b + 1);
                switch (to.kind) {
                    case Destination::Kind::Chapter:
                        if (to.title == 1)
                            chapters.push_back(to.chapter);
                        else
                            parts.push_back(button + " plays title " + std::to_string(to.title) +
                                            " chapter " + std::to_string(to.chapter));
                        break;
                    case Destination::Kind::Page:
                        parts.push_back(button + " turns to page " + std::to_string(to.page + 1));
                        break;
                    case Destination::Kind::TitleMenu:
                        parts.push_back(button + " goes back to the title menu");
                        break;
                    case Destination::Kind::Elsewhere:
                        passed = false;
                        parts.push_back(
                            button + " leads to " +
                            (to.where.empty() ? "a place the check could not reach" : to.where));
                        break;
                }
            }
            if (page.buttons.empty() && page.place.buttons > 0) {
                passed = false;
                parts.emplace_back("the page cannot be reached again");
            }
            if (!chapters.empty())
                parts.insert(parts.begin() + 1, (chapters.size() == 1 ? "chapter " : "chapters ") +
                                                    ChapterList(chapters));
            parts.push_back(page.holds ? "holds as a still" : page.movedOn);
            Add("Root menu page " + std::to_string(p + 1) + " of " + std::to_string(count), passed,
                Join(parts, ", "));
        }
    }

    static std::string ChapterList(const std::vector<int>& chapters) {
        bool consecutive = true;
        for (std::size_t i = 1; i < chapters.size(); ++i)
            consecutive = consecutive && chapters[i] == chapters[i - 1] + 1;
        if (consecutive && chapters.size() > 2)
            return std::to_string(chapters.front()) + " to " + std::to_string(chapters.back());
        std::vector<std::string> numbers;
        for (int c : chapters)
            numbers.push_back(std::to_string(c));
        return Join(numbers, ", ");
    }

    // Where the video buttons, page after page, should lead: each video's
    // first chapter, in order (chapter 1, 2, 3 ... of title 1 when each video
    // is one chapter).
    DiscExpectation::VideoStart ExpectedStart(std::size_t video) const {
        if (video < starts_.size())
            return starts_[video];
        return {1, static_cast<int>(video) + 1, 1};
    }

    void ReportChapterButtons() {
        std::size_t expected = report_.videos;
        std::size_t next = 0;
        std::string wrong;
        const Destination* previous = nullptr;
        for (std::size_t p = 0; p < pages_.size() && wrong.empty(); ++p) {
            for (std::size_t b = 0; b < pages_[p].buttons.size() && wrong.empty(); ++b) {
                const Destination& to = pages_[p].buttons[b];
                if (to.kind != Destination::Kind::Chapter)
                    continue;
                const std::string button =
                    "button " + std::to_string(b + 1) + " of page " + std::to_string(p + 1);
                if (described_) {
                    const DiscExpectation::VideoStart start = ExpectedStart(next);
                    if (to.title != start.title || to.chapter != start.chapter)
                        wrong = button + " plays " + Place(to.title, to.chapter) + ", expected " +
                                Place(start.title, start.chapter);
                } else if (previous &&
                           (to.title < previous->title ||
                            (to.title == previous->title && to.chapter <= previous->chapter))) {
                    wrong = button + " plays " + Place(to.title, to.chapter) + ", after " +
                            Place(previous->title, previous->chapter);
                }
                previous = &to;
                ++next;
            }
        }
        const std::size_t buttons = next;
        if (!described_)
            expected = report_.videos = buttons;
        if (wrong.empty() && buttons != expected)
            wrong = Count(buttons, "button plays a chapter", "buttons play chapters") +
                    ", expected one for each of the " + Count(expected, "video", "videos");
        Add("Root menu buttons", wrong.empty(),
            wrong.empty() ? Count(expected, "button", "buttons") +
                                ", each playing its video's first chapter, in order"
                          : wrong);
    }

    static std::string Place(int title, int chapter) {
        return (title == 1 ? "" : "title " + std::to_string(title) + " ") + "chapter " +
               std::to_string(chapter);
    }

    DvdWalk& walk_;
    DiscCheckReport& report_;
    const bool madeHere_;
    // The videos were described; otherwise each button is taken to start a
    // video of its own, later on the disc than the one before.
    const bool described_;
    const std::vector<DiscExpectation::VideoStart> starts_;
    DvdPlace titleMenu_;
    std::vector<MenuPage> pages_;
};

void CheckImage(const std::string& path, const DiscExpectation& expected, DiscCheckReport& report) {
    const IsoVolume volume = ReadIsoVolume(path);
    auto add = [&](std::string what, bool passed, std::string found) {
        report.lines.push_back(CheckLine{std::move(what), passed, std::move(found)});
    };
    if (!volume.error.empty()) {
        add("Disc image", false, volume.error);
        return;
    }
    if (volume.fileSectors >= 0) {
        const bool whole = volume.fileSectors >= volume.sectors;
        add("Image size", whole,
            whole ? Count(static_cast<std::size_t>(volume.sectors), "sector", "sectors") +
                        ", as its file system says"
                  : "the image is truncated: it holds " + std::to_string(volume.fileSectors) +
                        " of the " + std::to_string(volume.sectors) +
                        " sectors its file system spans");
    }
    if (expected.volumeLabel) {
        const bool same = volume.label == *expected.volumeLabel;
        add("Volume label", same,
            "\"" + volume.label + "\"" +
                (same ? "" : ", expected \"" + *expected.volumeLabel + "\""));
    }
}

// The titles hold each video's chapters, in order, and each video plays as
// long as its file.
void CheckChapters(const DiscLayout& layout, const DiscExpectation& expected,
                   DiscCheckReport& report) {
    auto add = [&](std::string what, bool passed, std::string found) {
        report.lines.push_back(CheckLine{std::move(what), passed, std::move(found)});
    };
    const auto& starts = expected.videoStarts;
    report.videos = starts.size();
    std::vector<std::size_t> wanted;  // chapters of each title
    for (const DiscExpectation::VideoStart& video : starts) {
        const auto title = static_cast<std::size_t>(std::max(1, video.title));
        wanted.resize(std::max(wanted.size(), title));
        wanted[title - 1] += static_cast<std::size_t>(std::max(1, video.chapters));
    }
    const auto& titles = layout.titleChapterSeconds;
    bool laidOut = titles.size() == wanted.size();
    for (std::size_t t = 0; t < std::max(titles.size(), wanted.size()); ++t) {
        const std::size_t found = t < titles.size() ? titles[t].size() : 0;
        const std::size_t want = t < wanted.size() ? wanted[t] : 0;
        laidOut = laidOut && found == want;
        add("Title " + std::to_string(t + 1), found == want,
            Count(found, "chapter", "chapters") +
                (found == want ? "" : ", expected " + std::to_string(want)));
    }
    if (!laidOut || expected.videoSeconds.empty())
        return;
    std::vector<std::string> wrong;
    double largest = 0;
    for (std::size_t i = 0; i < starts.size() && i < expected.videoSeconds.size(); ++i) {
        const std::vector<double>& chapters = titles[starts[i].title - 1];
        double seconds = 0;
        for (int c = starts[i].chapter; c < starts[i].chapter + starts[i].chapters; ++c)
            if (c >= 1 && static_cast<std::size_t>(c) <= chapters.size())
                seconds += chapters[c - 1];
        const double difference = seconds - expected.videoSeconds[i];
        largest = std::max(largest, std::fabs(difference));
        if (std::fabs(difference) > kLengthTolerance)
            wrong.push_back("video " + std::to_string(i + 1) + " plays " + Seconds(seconds) +
                            ", its file " + Seconds(expected.videoSeconds[i]));
    }
    add("Chapter lengths", wrong.empty(),
        wrong.empty() ? "each video within " + Seconds(kLengthTolerance) +
                            " of its file (largest difference " + Seconds(largest) + ")"
                      : Join(wrong, ", "));
}

void CheckLayout(const DiscLayout& layout, const DiscExpectation& expected,
                 DiscCheckReport& report) {
    auto add = [&](std::string what, bool passed, std::string found) {
        report.lines.push_back(CheckLine{std::move(what), passed, std::move(found)});
    };
    const auto& missing = layout.missingFiles;
    add("Disc files", missing.empty(),
        missing.empty()
            ? "every file the disc's information names is there"
            : Join(missing, ", ") + (missing.size() == 1 ? " is" : " are") + " missing");

    if (!expected.videoStarts.empty()) {
        CheckChapters(layout, expected, report);
        return;
    }
    const std::size_t chapters = layout.chapterSeconds.size();
    const std::size_t videos = expected.videoCount ? expected.videoCount : chapters;
    report.videos = chapters;
    std::string found =
        layout.titles == 0 ? "the disc has no title" : Count(chapters, "chapter", "chapters");
    const bool fits = layout.titles >= 1 && chapters == videos && chapters > 0;
    if (layout.titles >= 1 && !fits)
        found += ", expected " + std::to_string(videos) + " (one per video)";
    add("Title 1", fits, found);

    if (expected.videoSeconds.empty())
        return;
    std::vector<std::string> wrong;
    double largest = 0;
    const std::size_t compared = std::min(chapters, expected.videoSeconds.size());
    for (std::size_t i = 0; i < compared; ++i) {
        const double difference = layout.chapterSeconds[i] - expected.videoSeconds[i];
        largest = std::max(largest, std::fabs(difference));
        if (std::fabs(difference) > kLengthTolerance)
            wrong.push_back("chapter " + std::to_string(i + 1) + " is " +
                            Seconds(layout.chapterSeconds[i]) + " long, its video " +
                            Seconds(expected.videoSeconds[i]));
    }
    if (compared == 0)
        wrong.emplace_back("no chapter to compare");
    add("Chapter lengths", wrong.empty(),
        wrong.empty() ? "each within " + Seconds(kLengthTolerance) +
                            " of its video (largest difference " + Seconds(largest) + ")"
                      : Join(wrong, ", "));
}

// Plays the disc through its menus and adds what was found to report;
// progress, when given, is told each step.
void WalkThroughMenus(const std::string& path, const DiscExpectation& expected,
                      ChildProgress* progress, DiscCheckReport& report) {
    platform::Result<std::unique_ptr<DvdWalk>> opened = DvdWalk::Open(path);
    if (!opened) {
        report.lines.push_back(CheckLine{"Playback", false, opened.error()});
        return;
    }
    std::unique_ptr<DvdWalk> walk = std::move(*opened);
    walk->Limit(std::chrono::steady_clock::now() + std::chrono::seconds(kWalkSeconds));
    if (progress)
        walk->Observe([progress](const std::string& step) { progress->Begin(step); });
    MenuCheck(*walk, report, expected).Run();
    if (walk->CutShort())
        report.lines.push_back(CheckLine{"Playback", false,
                                         "the walk through the menus did not end within " +
                                             std::to_string(kWalkSeconds) + " s (last at " +
                                             walk->Current().ToString() + ")"});
}

// A report's walk lines, videos and menus as the child hands them over:
// each field as its length, a colon and its bytes.
void Put(std::string& out, const std::string& field) {
    out += std::to_string(field.size()) + ":" + field;
}

bool Take(const std::string& in, std::size_t& at, std::string& field) {
    const std::size_t colon = in.find(':', at);
    if (colon == std::string::npos || colon == at || colon - at > 9)
        return false;
    const std::size_t length = std::stoul(in.substr(at, colon - at));
    if (length > in.size() - colon - 1)
        return false;
    field = in.substr(colon + 1, length);
    at = colon + 1 + length;
    return true;
}

std::string Encode(const DiscCheckReport& walk) {
    std::string out;
    Put(out, std::to_string(walk.videos));
    Put(out, walk.menusChecked ? "1" : "0");
    for (const CheckLine& line : walk.lines) {
        Put(out, line.passed ? "1" : "0");
        Put(out, line.what);
        Put(out, line.found);
    }
    return out;
}

bool Decode(const std::string& in, DiscCheckReport& report) {
    std::size_t at = 0;
    std::string videos, menus, passed, what, found;
    if (!Take(in, at, videos) || !Take(in, at, menus) || videos.empty() ||
        videos.find_first_not_of("0123456789") != std::string::npos || videos.size() > 9)
        return false;
    std::vector<CheckLine> lines;
    while (at < in.size()) {
        if (!Take(in, at, passed) || !Take(in, at, what) || !Take(in, at, found))
            return false;
        lines.push_back(CheckLine{what, passed == "1", found});
    }
    report.videos = std::stoul(videos);
    report.menusChecked = menus == "1";
    report.lines.insert(report.lines.end(), lines.begin(), lines.end());
    return true;
}

bool IsBlockDevice(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISBLK(info.st_mode);
}

// "what: found" in the user's language.
std::string WordedLine(const CheckLine& line) {
    return platform::FillIn(platform::Translate("DiscChecker", "%1: %2"),
                            {WordedWhat(line.what), WordedFound(line.found)});
}

}  // namespace

std::string CheckLine::ToString() const {
    return std::string(passed ? "ok      " : "FAILED  ") + what + ": " + found;
}

bool DiscCheckReport::AllPassed() const {
    return !lines.empty() &&
           std::all_of(lines.begin(), lines.end(), [](const CheckLine& l) { return l.passed; });
}

std::vector<std::string> DiscCheckReport::Text() const {
    std::vector<std::string> text;
    for (const CheckLine& line : lines)
        text.push_back(WordedVerdict(line.passed) + WordedLine(line));
    return text;
}

std::string DiscCheckReport::Failures() const {
    std::vector<std::string> failed;
    for (const CheckLine& line : lines)
        if (!line.passed)
            failed.push_back(WordedLine(line));
    return Join(failed, "; ");
}

std::string DiscCheckReport::Summary() const {
    return platform::FillIn(
        menusChecked ? platform::Translate("DiscChecker",
                                           "Disc checked: %1 videos, menus and buttons as expected")
                     : platform::Translate("DiscChecker",
                                           "Disc checked: %1 videos, the menus are laid out "
                                           "otherwise and were not checked"),
        {std::to_string(videos)});
}

DiscCheckReport CheckDisc(const std::string& path, const DiscExpectation& expected,
                          platform::CancelSignal* cancel) {
    DiscCheckReport report;
    if (const platform::Result<void> kind = CheckMayHoldDisc(path); !kind) {
        report.lines.push_back(CheckLine{
            "Disc image", false, path + " is " + kind.error() + ", not a disc image or a drive"});
        return report;
    }
    if (!IsFolder(path))
        CheckImage(path, expected, report);
    const DiscLayout layout = ReadDiscLayout(path);
    if (!layout.error.empty()) {
        report.lines.push_back(CheckLine{"Disc information", false, layout.error});
        return report;
    }
    CheckLayout(layout, expected, report);
    if (!layout.contradictions.empty())
        report.lines.push_back(CheckLine{"Table counts", false, Join(layout.contradictions, "; ")});
    if (!layout.brokenChains.empty())
        report.lines.push_back(CheckLine{"Program chains", false, Join(layout.brokenChains, "; ")});
    if (const SubtitleStreamCheck& subtitles = layout.subtitles;
        subtitles.listed > 0 || subtitles.carried > 0 || !subtitles.problems.empty())
        report.lines.push_back(
            CheckLine{"Subtitle streams", subtitles.problems.empty(),
                      subtitles.problems.empty()
                          ? Count(static_cast<std::size_t>(subtitles.listed), "stream", "streams") +
                                " listed, each carried by the videos"
                          : Join(subtitles.problems, "; ")});
    // libdvdnav aborts on a program without a cell or a title set it cannot
    // read, never returns from a loop of jumps and reads past tables on false
    // counts: such a disc is not played at all.
    if (!layout.brokenChains.empty() || !layout.contradictions.empty() || layout.titleSetUnread)
        return report;
    if (!layout.audioProblems.empty() || !layout.audioStreams.empty())
        report.lines.push_back(CheckLine{
            "Audio streams", layout.audioProblems.empty(),
            layout.audioProblems.empty() ? layout.audioStreams : Join(layout.audioProblems, "; ")});

    // The walk runs in a child process: a loop inside one call of the
    // player's navigation, or its crash, ends the child, not the program.
    ChildLimits limits;
    limits.step = IsBlockDevice(path) ? kDriveStep : kFileStep;
    // The child's own bound comes first and names where the walk was.
    limits.whole = std::chrono::seconds(kWalkSeconds + 10);
    const ChildResult walked = RunInChild(
        [&](ChildProgress& progress) {
            DiscCheckReport walk;
            walk.videos = report.videos;  // the chapters found, which the buttons are held to
            WalkThroughMenus(path, expected, &progress, walk);
            return Encode(walk);
        },
        limits, cancel);
    const auto failed = [&report](std::string found) {
        report.lines.push_back(CheckLine{"Playback", false, std::move(found)});
    };
    switch (walked.end) {
        case ChildResult::End::Finished:
            if (!Decode(walked.output, report))
                failed("the walk through the menus gave no report");
            break;
        case ChildResult::End::StepTooLong:
            failed("the player's navigation went round a loop of the disc's commands while " +
                   walked.step + " and did not come back within " +
                   std::to_string(limits.step.count() / 1000) + " s");
            break;
        case ChildResult::End::TooLong:
            failed("the walk through the menus did not end within " + std::to_string(kWalkSeconds) +
                   " s (" + walked.step + ")");
            break;
        case ChildResult::End::Stopped:
            failed("the check was stopped");
            break;
        case ChildResult::End::Died:
            failed("the player's navigation failed (" + walked.how + ")" +
                   (walked.step.empty() ? "" : " while " + walked.step));
            break;
    }
    return report;
}

}  // namespace discchecker
