#include "components/discchecker/TableBounds.h"

#include <algorithm>

namespace discchecker {
namespace {

constexpr std::uint64_t kSector = 2048;
constexpr std::uint64_t kTableHeader = 8;  // a count, two reserved bytes, the last byte
constexpr std::uint64_t kEntry = 8;        // one language unit or one program chain's entry
constexpr std::uint64_t kChainHeader = 0xec;
constexpr std::uint64_t kCommand = 8;
constexpr std::uint64_t kMostCommands = 255;  // pre, post and cell commands of one chain
constexpr std::uint64_t kMostUnits = 99;      // language units of a menu table
constexpr std::uint64_t kCellPlayback = 24;
constexpr std::uint64_t kCellPosition = 4;

class Checker {
  public:
    explicit Checker(const std::vector<std::uint8_t>& file) : file_(file) {}

    // The big-endian number of bytes bytes at at; 0 past the end (callers
    // check that what they read lies inside first).
    std::uint64_t Number(std::uint64_t at, int bytes) const {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | (at + i < file_.size() ? file_[at + i] : 0);
        return value;
    }
    bool Inside(std::uint64_t at, std::uint64_t bytes) const {
        return at <= file_.size() && bytes <= file_.size() - at;
    }

    // A program chain at byte at: its header, its commands (no more than a
    // chain holds), its program map and its cells lie inside the file.
    platform::Result<void> Chain(std::uint64_t at, const std::string& name) const {
        if (!Inside(at, kChainHeader))
            return platform::Fail("places its " + name + " at byte " + std::to_string(at) +
                                  ", past the end");
        const std::uint64_t programs = file_[at + 2], cells = file_[at + 3];
        const std::uint64_t commands = Number(at + 0xe4, 2), map = Number(at + 0xe6, 2),
                            playback = Number(at + 0xe8, 2), positions = Number(at + 0xea, 2);
        std::uint64_t end = kChainHeader;
        if (commands != 0) {
            if (!Inside(at + commands, kTableHeader))
                return platform::Fail("places the commands of its " + name + " past the end");
            const std::uint64_t pre = Number(at + commands, 2), post = Number(at + commands + 2, 2),
                                cell = Number(at + commands + 4, 2);
            if (pre + post + cell > kMostCommands)
                return platform::Fail("gives its " + name + " " + std::to_string(pre) +
                                      " pre-commands, " + std::to_string(post) +
                                      " post-commands and " + std::to_string(cell) +
                                      " cell commands, more than the " +
                                      std::to_string(kMostCommands) + " a program chain holds");
            end = std::max(end, commands + kTableHeader + kCommand * (pre + post + cell));
        }
        if (programs != 0 && map != 0)
            end = std::max(end, map + programs);
        if (cells != 0 && playback != 0)
            end = std::max(end, playback + kCellPlayback * cells);
        if (cells != 0 && positions != 0)
            end = std::max(end, positions + kCellPosition * cells);
        if (!Inside(at, end))
            return platform::Fail("places the tables of its " + name + " past the end");
        return {};
    }

    // A table of program chains at byte at: its entries and each chain they
    // point to.
    platform::Result<void> Chains(std::uint64_t at, const std::string& name) const {
        if (!Inside(at, kTableHeader))
            return platform::Fail("places its " + name + " past the end");
        const std::uint64_t count = Number(at, 2);
        if (!Inside(at + kTableHeader, kEntry * count))
            return platform::Fail("gives its " + name + " " + std::to_string(count) +
                                  " program chains, more than the file holds");
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t start = Number(at + kTableHeader + kEntry * i + 4, 4);
            const std::string chain = name + "'s program chain " + std::to_string(i + 1);
            if (platform::Result<void> checked = Chain(at + start, chain); !checked)
                return checked;
        }
        return {};
    }

    // A menu table at byte at: its language units, each a table of chains.
    platform::Result<void> Menus(std::uint64_t at, const std::string& name) const {
        if (!Inside(at, kTableHeader))
            return platform::Fail("places its " + name + " past the end");
        const std::uint64_t units = Number(at, 2);
        if (units > kMostUnits || !Inside(at + kTableHeader, kEntry * units))
            return platform::Fail("gives its " + name + " " + std::to_string(units) +
                                  " language units, more than it holds");
        for (std::uint64_t i = 0; i < units; ++i) {
            const std::uint64_t start = Number(at + kTableHeader + kEntry * i + 4, 4);
            const std::string unit = name + "'s language unit " + std::to_string(i + 1);
            if (platform::Result<void> checked = Chains(at + start, unit); !checked)
                return checked;
        }
        return {};
    }

  private:
    const std::vector<std::uint8_t>& file_;
};

}  // namespace

platform::Result<void> CheckTableBounds(const std::vector<std::uint8_t>& file, bool manager) {
    const Checker check(file);
    const std::uint64_t sectors = file.size() / kSector;
    // Each table the header places: where, its name, and where its own
    // header keeps its last byte (-1: it keeps none).
    struct Table {
        int at;
        const char* name;
        int lastByteAt;
    };
    const std::vector<Table> tables =
        manager ? std::vector<Table>{{0xc4, "title table", 4},    {0xc8, "menu table", 4},
                                     {0xcc, "parental table", 4}, {0xd0, "title set attributes", 4},
                                     {0xd4, "text table", -1},    {0xd8, "menu cell addresses", 4},
                                     {0xdc, "menu unit map", 0}}
                : std::vector<Table>{{0xc8, "chapter table", 4},       {0xcc, "title table", 4},
                                     {0xd0, "menu table", 4},          {0xd4, "time map", 4},
                                     {0xd8, "menu cell addresses", 4}, {0xdc, "menu unit map", 0},
                                     {0xe0, "cell addresses", 4},      {0xe4, "unit map", 0}};
    if (!check.Inside(0, 0x100))
        return {};  // libdvdread finds it unreadable as a whole
    for (const Table& table : tables) {
        const std::uint64_t sector = check.Number(table.at, 4);
        if (sector == 0)
            continue;
        if (sector >= sectors)
            return platform::Fail("places its " + std::string(table.name) + " at sector " +
                                  std::to_string(sector) + ", past the " + std::to_string(sectors) +
                                  " sectors of the file");
        if (table.lastByteAt < 0)
            continue;
        // The table's size, from its last byte: no shorter than the header
        // that states it, no longer than the file.
        const std::uint64_t start = sector * kSector;
        const std::uint64_t size = check.Number(start + table.lastByteAt, 4) + 1;
        const std::uint64_t header = static_cast<std::uint64_t>(table.lastByteAt) + 4;
        if (size < header || !check.Inside(start, size))
            return platform::Fail(
                "gives its " + std::string(table.name) + " a size of " + std::to_string(size) +
                " bytes, which " +
                (size < header ? "is shorter than its header" : "runs past the end"));
    }
    // libdvdread looks for each title set's files at every turn.
    constexpr std::uint64_t kMostTitleSets = 99;
    if (const std::uint64_t sets = check.Number(0x3e, 2); manager && sets > kMostTitleSets)
        return platform::Fail("claims " + std::to_string(sets) + " title sets, more than the " +
                              std::to_string(kMostTitleSets) + " a disc holds");
    const std::uint64_t menus = check.Number(manager ? 0xc8 : 0xd0, 4);
    if (manager) {
        if (platform::Result<void> checked =
                check.Chain(check.Number(0x84, 4), "first play program chain");
            !checked)
            return checked;
    } else if (const std::uint64_t titles = check.Number(0xcc, 4); titles != 0) {
        if (platform::Result<void> checked = check.Chains(titles * kSector, "title table");
            !checked)
            return checked;
    }
    if (menus != 0)
        return check.Menus(menus * kSector, "menu table");
    return {};
}

}  // namespace discchecker
