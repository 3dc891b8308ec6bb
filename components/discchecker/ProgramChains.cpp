#include "components/discchecker/ProgramChains.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>

#include "platform/Result.h"

namespace discchecker {
namespace {

// Where a program chain sits: first play, a menu of the manager or of a
// title set (in one language unit), or a title set's titles.
struct Chain {
    enum class Domain { FirstPlay, ManagerMenu, SetMenu, Title } domain = Domain::FirstPlay;
    int set = 0;     // title set (1-based); 0 in the manager
    int unit = 0;    // language unit of a menu (0-based)
    int number = 0;  // program chain number (1-based); 0 for first play
    bool operator==(const Chain&) const = default;
};

std::string Name(const Chain& chain) {
    const std::string number = std::to_string(chain.number);
    switch (chain.domain) {
        case Chain::Domain::FirstPlay:
            return "first play";
        case Chain::Domain::ManagerMenu:
            return "manager menu " + number;
        case Chain::Domain::SetMenu:
            return "title set " + std::to_string(chain.set) + " menu " + number;
        case Chain::Domain::Title:
            return "title set " + std::to_string(chain.set) + " program chain " + number;
    }
    return "?";
}

class Chains {
  public:
    Chains(const ifo_handle_t& manager, const std::vector<const ifo_handle_t*>& sets)
        : manager_(manager), sets_(sets) {}

    const pgcit_t* Table(const Chain& chain) const {
        switch (chain.domain) {
            case Chain::Domain::FirstPlay:
                return nullptr;
            case Chain::Domain::ManagerMenu:
                return MenuTable(&manager_, chain.unit);
            case Chain::Domain::SetMenu:
                return MenuTable(Set(chain.set), chain.unit);
            case Chain::Domain::Title:
                return Set(chain.set) ? Set(chain.set)->vts_pgcit : nullptr;
        }
        return nullptr;
    }

    const pgc_t* Find(const Chain& chain) const {
        if (chain.domain == Chain::Domain::FirstPlay)
            return manager_.first_play_pgc;
        const pgcit_t* table = Table(chain);
        if (!table || !table->pgci_srp || chain.number < 1 || chain.number > table->nr_of_pgci_srp)
            return nullptr;
        return table->pgci_srp[chain.number - 1].pgc;
    }

    // The menu of entry (2 title, 3 root, ...) in a menu domain's unit.
    std::optional<Chain> Menu(Chain where, int entry) const {
        const pgcit_t* table = Table(where);
        if (!table || !table->pgci_srp)
            return std::nullopt;
        for (int i = 0; i < table->nr_of_pgci_srp; ++i)
            if ((table->pgci_srp[i].entry_id & 0x8f) == (0x80 | entry)) {
                where.number = i + 1;
                return where;
            }
        return std::nullopt;
    }

    // Every program chain of the disc.
    std::vector<Chain> All() const {
        std::vector<Chain> all{Chain{}};
        const auto addUnits = [&](const ifo_handle_t* ifo, Chain::Domain domain, int set) {
            if (!ifo || !ifo->pgci_ut || !ifo->pgci_ut->lu)
                return;
            for (int unit = 0; unit < ifo->pgci_ut->nr_of_lus; ++unit)
                if (const pgcit_t* table = ifo->pgci_ut->lu[unit].pgcit)
                    for (int n = 1; n <= table->nr_of_pgci_srp; ++n)
                        all.push_back(Chain{domain, set, unit, n});
        };
        addUnits(&manager_, Chain::Domain::ManagerMenu, 0);
        for (int set = 1; set <= static_cast<int>(sets_.size()); ++set) {
            addUnits(Set(set), Chain::Domain::SetMenu, set);
            if (Set(set) && Set(set)->vts_pgcit)
                for (int n = 1; n <= Set(set)->vts_pgcit->nr_of_pgci_srp; ++n)
                    all.push_back(Chain{Chain::Domain::Title, set, 0, n});
        }
        return all;
    }

  private:
    const ifo_handle_t* Set(int set) const {
        return set >= 1 && set <= static_cast<int>(sets_.size()) ? sets_[set - 1] : nullptr;
    }
    static const pgcit_t* MenuTable(const ifo_handle_t* ifo, int unit) {
        if (!ifo || !ifo->pgci_ut || !ifo->pgci_ut->lu || unit < 0 ||
            unit >= ifo->pgci_ut->nr_of_lus)
            return nullptr;
        return ifo->pgci_ut->lu[unit].pgcit;
    }

    const ifo_handle_t& manager_;
    const std::vector<const ifo_handle_t*>& sets_;
};

// A program must start at one of its chain's cells, later than the one
// before it; a chain with programs needs cells to play.
platform::Result<void> CheckProgramMap(const pgc_t& pgc) {
    if (pgc.nr_of_programs == 0)
        return {};
    if (!pgc.program_map || pgc.nr_of_cells == 0 || !pgc.cell_playback)
        return platform::Fail("has " + std::to_string(pgc.nr_of_programs) +
                              " programs but no cells");
    int previous = 0;
    for (int program = 1; program <= pgc.nr_of_programs; ++program) {
        const int cell = pgc.program_map[program - 1];
        if (cell < 1 || cell > pgc.nr_of_cells || cell <= previous)
            return platform::Fail("has program " + std::to_string(program) + " starting at cell " +
                                  std::to_string(cell) + " of its " +
                                  std::to_string(pgc.nr_of_cells) + " cells");
        previous = cell;
    }
    return {};
}

// Where a chain's pre-commands lead before any of its cells plays: to
// another chain (or itself), or nowhere known (they play the chain, leave for
// a title, stop, or depend on what the registers hold). A jump to a menu the
// disc does not have leads nowhere and names that menu in missing.
std::optional<Chain> PreCommandsLeadTo(const Chains& chains, const Chain& from, const pgc_t& pgc,
                                       std::string* missing = nullptr) {
    if (!pgc.command_tbl || !pgc.command_tbl->pre_cmds)
        return std::nullopt;
    const bool menu =
        from.domain == Chain::Domain::ManagerMenu || from.domain == Chain::Domain::SetMenu;
    for (int i = 0; i < pgc.command_tbl->nr_of_pre; ++i) {
        std::uint64_t command = 0;
        for (std::uint8_t byte : pgc.command_tbl->pre_cmds[i].bytes)
            command = command << 8 | byte;
        // count bits ending with bit start (63 the highest), as players read them.
        const auto bits = [command](int start, int count) {
            return static_cast<int>((command >> (start - count + 1)) & ((1ull << count) - 1));
        };
        const int type = bits(63, 3);
        if (type == 0 && command == 0)
            continue;  // no operation
        if ((type == 2 || type == 3) && bits(51, 4) == 0)
            continue;  // sets registers only
        if (type != 1 || bits(54, 3) != 0)
            return std::nullopt;  // a condition, a goto or a link with a set
        Chain to = from;
        const int operation = bits(51, 4);
        if (bits(60, 1) == 0) {  // a link within the domain
            if (operation == 4) {
                to.number = bits(14, 15);
                return to;
            }
            if (operation != 1)
                return std::nullopt;
            switch (bits(4, 5)) {
                case 0:
                    continue;  // no link
                case 9:
                    return to;  // to the top of this chain
                case 10:
                    to.number = pgc.next_pgc_nr;
                    return to;
                case 11:
                    to.number = pgc.prev_pgc_nr;
                    return to;
                case 12:
                    to.number = pgc.goup_pgc_nr;
                    return to;
                default:
                    return std::nullopt;
            }
        }
        if (operation != 6 || !(menu || from.domain == Chain::Domain::FirstPlay))
            return std::nullopt;  // an exit, a title, a call
        const auto menu = [&](const Chain& domain, const std::string& name) {
            std::optional<Chain> found = chains.Menu(domain, bits(19, 4));
            if (!found && missing)
                *missing = name + " menu of entry " + std::to_string(bits(19, 4));
            return found;
        };
        switch (bits(23, 2)) {  // a jump to another system space
            case 0:
                return Chain{};
            case 1:
                return menu(Chain{Chain::Domain::ManagerMenu, 0, 0, 0}, "the manager's");
            case 2:  // a title set's menu: the set, then the menu's entry
                return menu(Chain{Chain::Domain::SetMenu, bits(31, 8), 0, 0},
                            "title set " + std::to_string(bits(31, 8)) + "'s");
            case 3:
                return Chain{Chain::Domain::ManagerMenu, 0, 0, bits(46, 15)};
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

// The loop start leads into, as "a, b, ..., a"; empty when none.
std::string LoopFrom(const Chains& chains, const Chain& start) {
    std::vector<Chain> path{start};
    for (std::size_t hop = 0; hop < 1000; ++hop) {
        const pgc_t* pgc = chains.Find(path.back());
        if (!pgc)
            return {};
        const std::optional<Chain> next = PreCommandsLeadTo(chains, path.back(), *pgc);
        if (!next)
            return {};
        const auto seen = std::find(path.begin(), path.end(), *next);
        if (seen != path.end()) {
            // Told once, from the loop's first chain in the disc's order.
            const auto order = [](const Chain& c) {
                return std::tuple(static_cast<int>(c.domain), c.set, c.unit, c.number);
            };
            if (seen != path.begin() || std::any_of(path.begin(), path.end(), [&](const Chain& c) {
                    return order(c) < order(start);
                }))
                return {};
            if (path.size() == 1)
                return Name(start) + " jumps to itself";
            std::string names;
            for (const Chain& chain : path)
                names += Name(chain) + " to ";
            return names + Name(start) + " jump round";
        }
        path.push_back(*next);
    }
    return {};
}

}  // namespace

std::vector<std::string> ProgramChainProblems(const ifo_handle_t& manager,
                                              const std::vector<const ifo_handle_t*>& sets) {
    const Chains chains(manager, sets);
    std::vector<std::string> problems;
    // A table the file names but libdvdread could not read is a table a
    // player's navigation would use all the same.
    const auto unread = [&problems](bool named, const void* read, const std::string& what) {
        if (named && !read)
            problems.push_back(what + " cannot be read");
    };
    if (manager.vmgi_mat)
        unread(manager.vmgi_mat->vmgm_pgci_ut != 0, manager.pgci_ut, "the manager's menu table");
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const ifo_handle_t* set = sets[i];
        if (!set || !set->vtsi_mat)
            continue;
        const std::string name = "title set " + std::to_string(i + 1);
        unread(set->vtsi_mat->vtsm_pgci_ut != 0, set->pgci_ut, name + "'s menu table");
        unread(set->vtsi_mat->vts_pgcit != 0, set->vts_pgcit, name + "'s title table");
        unread(set->vtsi_mat->vts_ptt_srpt != 0, set->vts_ptt_srpt, name + "'s chapter table");
    }
    for (const Chain& chain : chains.All()) {
        const pgc_t* pgc = chains.Find(chain);
        if (!pgc) {  // libdvdread drops one it cannot read; a player would jump into nothing
            problems.push_back(Name(chain) + " cannot be read");
            continue;
        }
        if (const platform::Result<void> map = CheckProgramMap(*pgc); !map)
            problems.push_back(Name(chain) + " " + map.error());
        // A player's navigation aborts on a jump or link to what is not there.
        std::string missing;
        if (const auto to = PreCommandsLeadTo(chains, chain, *pgc, &missing);
            !missing.empty() || (to && !chains.Find(*to)))
            problems.push_back(Name(chain) + " jumps in its pre-commands to " +
                               (missing.empty() ? Name(*to) : missing) +
                               ", which the disc does not have");
        if (std::string loop = LoopFrom(chains, chain); !loop.empty())
            problems.push_back("navigation loop: " + loop +
                               " in its pre-commands, before anything plays");
    }
    return problems;
}

}  // namespace discchecker
