#include "components/discchecker/CheckWording.h"

#include <algorithm>
#include <regex>
#include <string_view>
#include <vector>

#include "platform/Translation.h"

namespace discchecker {

namespace {

// Every text and pattern the checker's lines are made of; %1 ... %9 stand
// for what is filled in (numbers, names, and parts that are patterns again).
constexpr const char* kPatterns[] = {
    QUORVA_TEXT("DiscChecker", "Menus"),
    QUORVA_TEXT("DiscChecker", "First play"),
    QUORVA_TEXT("DiscChecker", "Title menu"),
    QUORVA_TEXT("DiscChecker", "Play button"),
    QUORVA_TEXT("DiscChecker", "End of the title"),
    QUORVA_TEXT("DiscChecker", "Root menu button"),
    QUORVA_TEXT("DiscChecker", "Root menu page %1 of %2"),
    QUORVA_TEXT("DiscChecker", "Root menu buttons"),
    QUORVA_TEXT("DiscChecker", "Disc image"),
    QUORVA_TEXT("DiscChecker", "Image size"),
    QUORVA_TEXT("DiscChecker", "Volume label"),
    QUORVA_TEXT("DiscChecker", "Title %1"),
    QUORVA_TEXT("DiscChecker", "Chapter lengths"),
    QUORVA_TEXT("DiscChecker", "Disc files"),
    QUORVA_TEXT("DiscChecker", "Disc information"),
    QUORVA_TEXT("DiscChecker", "Table counts"),
    QUORVA_TEXT("DiscChecker", "Program chains"),
    QUORVA_TEXT("DiscChecker", "Subtitle streams"),
    QUORVA_TEXT("DiscChecker", "Audio streams"),
    QUORVA_TEXT("DiscChecker", "Playback"),
    QUORVA_TEXT("DiscChecker", "nothing (the player refuses it)"),
    QUORVA_TEXT("DiscChecker", "a stop of playback"),
    QUORVA_TEXT("DiscChecker", "title %1 chapter %2"),
    QUORVA_TEXT("DiscChecker", "the title menu"),
    QUORVA_TEXT("DiscChecker", "another title menu"),
    QUORVA_TEXT("DiscChecker", "a root menu"),
    QUORVA_TEXT("DiscChecker", "first play"),
    QUORVA_TEXT("DiscChecker",
                "does not wait for a button: when its picture ends, playback goes on to %1"),
    QUORVA_TEXT("DiscChecker",
                // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one text, two lines
                "first play leads to %1: the menus are not laid out as this program makes them and "
                "were not checked"),
    QUORVA_TEXT("DiscChecker", "leads to %1, not to the title menu"),
    QUORVA_TEXT("DiscChecker", "leads to %1, not to the title menu (%2)"),
    QUORVA_TEXT("DiscChecker", "shows the title menu"),
    QUORVA_TEXT("DiscChecker", "%1 button"),
    QUORVA_TEXT("DiscChecker", "%1 buttons"),
    QUORVA_TEXT("DiscChecker", "expected %1"),
    QUORVA_TEXT("DiscChecker", "holds as a still"),
    QUORVA_TEXT("DiscChecker", "the title menu cannot be called again"),
    QUORVA_TEXT("DiscChecker", "plays title 1 from chapter 1"),
    QUORVA_TEXT("DiscChecker", "leads to %1, not to title 1 chapter 1"),
    QUORVA_TEXT("DiscChecker", "returns to %1"),
    QUORVA_TEXT("DiscChecker", "leads to %1, not back to a menu"),
    QUORVA_TEXT("DiscChecker", "the title menu has no second button"),
    QUORVA_TEXT("DiscChecker", "opens the root menu"),
    QUORVA_TEXT("DiscChecker", "leads to %1, not to the root menu"),
    QUORVA_TEXT("DiscChecker", "button %1 plays title %2 chapter %3"),
    QUORVA_TEXT("DiscChecker", "button %1 turns to page %2"),
    QUORVA_TEXT("DiscChecker", "button %1 goes back to the title menu"),
    QUORVA_TEXT("DiscChecker", "button %1 leads to %2"),
    QUORVA_TEXT("DiscChecker", "a place the check could not reach"),
    QUORVA_TEXT("DiscChecker", "the page cannot be reached again"),
    QUORVA_TEXT("DiscChecker", "chapter %1"),
    QUORVA_TEXT("DiscChecker", "chapters %1"),
    QUORVA_TEXT("DiscChecker", "chapters %1 to %2"),
    QUORVA_TEXT("DiscChecker", "button %1 of page %2 plays %3, expected %4"),
    QUORVA_TEXT("DiscChecker", "button %1 of page %2 plays %3, after %4"),
    QUORVA_TEXT("DiscChecker", "%1 button plays a chapter, expected one for each of the %2"),
    QUORVA_TEXT("DiscChecker", "%1 buttons play chapters, expected one for each of the %2"),
    QUORVA_TEXT("DiscChecker", "%1 video"),
    QUORVA_TEXT("DiscChecker", "%1 videos"),
    QUORVA_TEXT("DiscChecker", "%1 button, each playing its video's first chapter, in order"),
    QUORVA_TEXT("DiscChecker", "%1 buttons, each playing its video's first chapter, in order"),
    QUORVA_TEXT("DiscChecker", "%1 sector, as its file system says"),
    QUORVA_TEXT("DiscChecker", "%1 sectors, as its file system says"),
    QUORVA_TEXT("DiscChecker",
                "the image is truncated: it holds %1 of the %2 sectors its file system spans"),
    QUORVA_TEXT("DiscChecker", "\"%1\", expected \"%2\""),
    QUORVA_TEXT("DiscChecker", "%1 chapter"),
    QUORVA_TEXT("DiscChecker", "%1 chapters"),
    QUORVA_TEXT("DiscChecker", "video %1 plays %2, its file %3"),
    QUORVA_TEXT("DiscChecker", "each video within %1 of its file (largest difference %2)"),
    QUORVA_TEXT("DiscChecker", "every file the disc's information names is there"),
    QUORVA_TEXT("DiscChecker", "%1 is missing"),
    QUORVA_TEXT("DiscChecker", "%1 are missing"),
    QUORVA_TEXT("DiscChecker", "the disc has no title"),
    QUORVA_TEXT("DiscChecker", "expected %1 (one per video)"),
    QUORVA_TEXT("DiscChecker", "chapter %1 is %2 long, its video %3"),
    QUORVA_TEXT("DiscChecker", "no chapter to compare"),
    QUORVA_TEXT("DiscChecker", "each within %1 of its video (largest difference %2)"),
    QUORVA_TEXT("DiscChecker", "%1 stream listed, each carried by the videos"),
    QUORVA_TEXT("DiscChecker", "%1 streams listed, each carried by the videos"),
    QUORVA_TEXT("DiscChecker", "the walk through the menus gave no report"),
    QUORVA_TEXT("DiscChecker",
                "the player's navigation went round a loop of the disc's commands while %1 and did "
                "not come back within %2 s"),
    QUORVA_TEXT("DiscChecker", "the walk through the menus did not end within %1 s (%2)"),
    QUORVA_TEXT("DiscChecker", "the walk through the menus did not end within %1 s (last at %2)"),
    QUORVA_TEXT("DiscChecker", "the check was stopped"),
    QUORVA_TEXT("DiscChecker", "the player's navigation failed (%1)"),
    QUORVA_TEXT("DiscChecker", "the player's navigation failed (%1) while %2"),
    QUORVA_TEXT("DiscChecker", "%1 is %2, not a disc image or a drive"),
    QUORVA_TEXT("DiscChecker", "a pipe"),
    QUORVA_TEXT("DiscChecker", "a socket"),
    QUORVA_TEXT("DiscChecker", "a character device"),
    QUORVA_TEXT("DiscChecker", "not a regular file"),
    QUORVA_TEXT("DiscChecker", "title set %1: %2 stream (%3) in every cell"),
    QUORVA_TEXT("DiscChecker", "title set %1: %2 streams (%3) in every cell"),
    QUORVA_TEXT("DiscChecker", "title set %1: %2 streams in every cell"),
    QUORVA_TEXT("DiscChecker", "no language"),
    QUORVA_TEXT("DiscChecker",
                "title set %1 program chain %2 cell %3 carries audio stream %4, which the stream "
                "table does not list"),
    QUORVA_TEXT("DiscChecker",
                "title set %1 program chain %2 cell %3 lacks audio stream %4, which its program "
                "chain offers"),
    QUORVA_TEXT(
        "DiscChecker",
        "title set %1's stream table lists audio stream %2 (%3), which none of its videos carries"),
    QUORVA_TEXT("DiscChecker", "title set %1's videos carry subtitle stream %2, but it lists %3"),
    QUORVA_TEXT("DiscChecker",
                "title set %1 lists subtitle stream %2, which none of its videos carries"),
    QUORVA_TEXT("DiscChecker", "no DVD-Video can be read from %1"),
    QUORVA_TEXT("DiscChecker", "no DVD-Video can be read from %1 (%2)"),
    QUORVA_TEXT("DiscChecker", "%1 cannot be read"),
    QUORVA_TEXT("DiscChecker", "%1 (the title menu)"),
    QUORVA_TEXT("DiscChecker", "%1 (title set %2)"),
    QUORVA_TEXT("DiscChecker", "%1 (the root menu)"),
    QUORVA_TEXT("DiscChecker", "%1 (the videos)"),
    QUORVA_TEXT("DiscChecker", "%1 places its %2 at byte %3, past the end"),
    QUORVA_TEXT("DiscChecker", "%1 places the commands of its %2 past the end"),
    QUORVA_TEXT("DiscChecker",
                "%1 gives its %2 %3 pre-commands, %4 post-commands and %5 cell commands, more than "
                "the %6 a program chain holds"),
    QUORVA_TEXT("DiscChecker", "%1 places the tables of its %2 past the end"),
    QUORVA_TEXT("DiscChecker", "%1 places its %2 past the end"),
    QUORVA_TEXT("DiscChecker", "%1 gives its %2 %3 program chains, more than the file holds"),
    QUORVA_TEXT("DiscChecker", "%1 gives its %2 %3 language units, more than it holds"),
    QUORVA_TEXT("DiscChecker", "%1 places its %2 at sector %3, past the %4 sectors of the file"),
    QUORVA_TEXT("DiscChecker",
                "%1 gives its %2 a size of %3 bytes, which is shorter than its header"),
    QUORVA_TEXT("DiscChecker", "%1 gives its %2 a size of %3 bytes, which runs past the end"),
    QUORVA_TEXT("DiscChecker", "%1 claims %2 title sets, more than the %3 a disc holds"),
    QUORVA_TEXT("DiscChecker", "title table"),
    QUORVA_TEXT("DiscChecker", "menu table"),
    QUORVA_TEXT("DiscChecker", "parental table"),
    QUORVA_TEXT("DiscChecker", "title set attributes"),
    QUORVA_TEXT("DiscChecker", "text table"),
    QUORVA_TEXT("DiscChecker", "menu cell addresses"),
    QUORVA_TEXT("DiscChecker", "menu unit map"),
    QUORVA_TEXT("DiscChecker", "chapter table"),
    QUORVA_TEXT("DiscChecker", "time map"),
    QUORVA_TEXT("DiscChecker", "cell addresses"),
    QUORVA_TEXT("DiscChecker", "unit map"),
    QUORVA_TEXT("DiscChecker", "first play program chain"),
    QUORVA_TEXT("DiscChecker", "%1's program chain %2"),
    QUORVA_TEXT("DiscChecker", "%1's language unit %2"),
    QUORVA_TEXT("DiscChecker", "cannot open %1: %2"),
    QUORVA_TEXT("DiscChecker", "no ISO 9660 volume descriptor in %1"),
    QUORVA_TEXT("DiscChecker", "title set %1"),
    QUORVA_TEXT("DiscChecker", "manager menu %1"),
    QUORVA_TEXT("DiscChecker", "title set %1 menu %2"),
    QUORVA_TEXT("DiscChecker", "title set %1 program chain %2"),
    QUORVA_TEXT("DiscChecker", "%1 has %2 programs but no cells"),
    QUORVA_TEXT("DiscChecker", "%1 has program %2 starting at cell %3 of its %4 cells"),
    QUORVA_TEXT("DiscChecker", "the manager's menu table"),
    QUORVA_TEXT("DiscChecker", "%1's menu table"),
    QUORVA_TEXT("DiscChecker", "%1's title table"),
    QUORVA_TEXT("DiscChecker", "%1's chapter table"),
    QUORVA_TEXT("DiscChecker", "%1 jumps in its pre-commands to %2, which the disc does not have"),
    QUORVA_TEXT("DiscChecker", "the manager's menu of entry %1"),
    QUORVA_TEXT("DiscChecker", "title set %1's menu of entry %2"),
    QUORVA_TEXT("DiscChecker", "navigation loop: %1 in its pre-commands, before anything plays"),
    QUORVA_TEXT("DiscChecker", "%1 jumps to itself"),
    QUORVA_TEXT("DiscChecker", "%1 to %2 to %3 jump round"),
    QUORVA_TEXT("DiscChecker",
                "%1 claims %2 programs and %3 cells, more than its %4-byte block holds or than it "
                "has cells"),
    QUORVA_TEXT("DiscChecker",
                "%1 has cell %2 at sectors %3 to %4, past the %5 sectors of its videos"),
    QUORVA_TEXT("DiscChecker", "the title table claims %1 titles and holds %2"),
    QUORVA_TEXT("DiscChecker",
                "title %1 lies in title set %2, not one of the %3 title sets the disc claims"),
    QUORVA_TEXT("DiscChecker", "title %1 claims %2 chapters, its title set lists %3"),
    QUORVA_TEXT("DiscChecker", "none"),
    QUORVA_TEXT("DiscChecker", "manager menu"),
    QUORVA_TEXT("DiscChecker", "title set menu"),
    QUORVA_TEXT("DiscChecker", "title"),
    QUORVA_TEXT("DiscChecker", "stopped"),
    QUORVA_TEXT("DiscChecker", "%1 (set %2, %3 buttons)"),
    QUORVA_TEXT("DiscChecker", "%1 (set %2, %3 buttons, %4)"),
    QUORVA_TEXT("DiscChecker", "button %1 highlighted"),
    QUORVA_TEXT("DiscChecker", "still"),
    QUORVA_TEXT("DiscChecker", "playing on from %1"),
    QUORVA_TEXT("DiscChecker", "playing %1"),
    QUORVA_TEXT("DiscChecker", "playing %1 to its end"),
    QUORVA_TEXT("DiscChecker", "playing %1 to the end of its picture"),
    QUORVA_TEXT("DiscChecker", "pressing button %1 of %2"),
    QUORVA_TEXT("DiscChecker", "calling the title menu from %1"),
    QUORVA_TEXT("DiscChecker", "calling the root menu from %1"),
};

struct Pattern {
    const char* text;
    std::regex form;
    std::size_t literal;  // characters that are not placeholders
    bool closingPart;     // ends "(%N)": that part may hold "; " (the player's own lines)
};

// True when text's brackets close as they open: a closing part that ends
// inside one finding and goes on into the next is not one.
bool Balanced(const std::string& text) {
    int depth = 0;
    for (char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

// The patterns as expressions, the most specific (most fixed text) first, so
// that "leads to %1, not to the title menu (%2)" wins over its shorter kin.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        for (const char* text : kPatterns) {
            const std::string_view whole(text);
            const bool closingPart = whole.size() >= 4 && whole.ends_with(")") &&
                                     whole.substr(whole.size() - 4, 2) == "(%";
            std::string form;
            std::size_t literal = 0;
            for (const char* c = text; *c; ++c) {
                if (c[0] == '%' && c[1] >= '1' && c[1] <= '9') {
                    // A filled-in part never spans the "; " between findings,
                    // but for the closing part in brackets.
                    const bool closing = closingPart && c == text + whole.size() - 3;
                    form += closing ? "([\\s\\S]+)" : "((?:(?!; )[\\s\\S])+?)";
                    ++c;
                    continue;
                }
                if (std::string_view("\\^$.|?*+()[]{}/").find(*c) != std::string_view::npos)
                    form += '\\';
                form += *c;
                ++literal;
            }
            list.push_back({text, std::regex(form), literal, closingPart});
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const Pattern& a, const Pattern& b) { return a.literal > b.literal; });
        return list;
    }();
    return patterns;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

std::string Worded(const std::string& text);

// text in the catalogue's words when one pattern fits it whole.
bool WordedWhole(const std::string& text, std::string& worded) {
    for (const Pattern& pattern : Patterns()) {
        std::smatch found;
        if (!std::regex_match(text, found, pattern.form) ||
            (pattern.closingPart && !Balanced(found[found.size() - 1].str())))
            continue;
        std::vector<std::string> parts(9);
        for (std::size_t i = 1; i < found.size() && i <= parts.size(); ++i)
            parts[i - 1] = Worded(found[i].str());
        worded = platform::FillIn(platform::Translate("DiscChecker", pattern.text),
                                  {parts[0], parts[1], parts[2], parts[3], parts[4], parts[5],
                                   parts[6], parts[7], parts[8]});
        return true;
    }
    return false;
}

// A list ("2 buttons, expected 2, holds as a still") is said part by part;
// a pattern may itself hold the list's separator, so the longest run of
// parts that one pattern fits is taken first.
std::string WordedList(const std::vector<std::string>& parts, const std::string& separator) {
    constexpr std::size_t kLongestRun = 4;
    std::string text;
    for (std::size_t i = 0; i < parts.size();) {
        std::string worded;
        std::size_t next = 0;
        for (std::size_t end = std::min(parts.size(), i + kLongestRun); end > i && !next; --end) {
            std::string run = parts[i];
            for (std::size_t k = i + 1; k < end; ++k)
                run += separator + parts[k];
            if (WordedWhole(run, worded))
                next = end;
        }
        if (!next) {
            worded = Worded(parts[i]);
            next = i + 1;
        }
        text += (i == 0 ? "" : separator) + worded;
        i = next;
    }
    return text;
}

std::string Worded(const std::string& text) {
    std::string worded;
    if (text.empty() || WordedWhole(text, worded))
        return worded;
    for (const char* separator : {"; ", ", "}) {
        const std::vector<std::string> parts = Split(text, separator);
        if (parts.size() > 1)
            return WordedList(parts, separator);
    }
    return text;
}

}  // namespace

std::string WordedWhat(const std::string& what) {
    return Worded(what);
}

std::string WordedFound(const std::string& found) {
    return Worded(found);
}

std::string WordedVerdict(bool passed) {
    std::string verdict = passed ? platform::Translate("DiscChecker", "ok")
                                 : platform::Translate("DiscChecker", "FAILED");
    // Padded by characters, not bytes: "ÉCHEC" lines up with "ok".
    const auto characters = std::count_if(verdict.begin(), verdict.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    verdict.append(characters < 6 ? 8 - characters : 2, ' ');
    return verdict;
}

}  // namespace discchecker
