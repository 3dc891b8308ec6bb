#include "components/discchecker/TableCounts.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

namespace discchecker {
namespace {

constexpr std::size_t kSector = 2048;
constexpr std::size_t kTableHeader = 8;    // count, reserved, last byte
constexpr std::size_t kTitleEntry = 12;    // one title of the title table
constexpr std::size_t kCellPlayback = 24;  // one cell's playback information
constexpr std::size_t kCellPosition = 4;   // one cell's position

struct FileClose {
    void operator()(dvd_file_t* file) const { DVDCloseFile(file); }
};

// The title count as VIDEO_TS.IFO states it: libdvdread trims a count its
// table cannot hold, so it is read from the file itself.
std::optional<unsigned> StatedTitles(dvd_reader_t& reader, const ifo_handle_t& manager) {
    if (!manager.vmgi_mat || manager.vmgi_mat->tt_srpt == 0)
        return std::nullopt;
    const std::unique_ptr<dvd_file_t, FileClose> file(DVDOpenFile(&reader, 0, DVD_READ_INFO_FILE));
    std::uint8_t count[2];
    if (!file ||
        DVDFileSeek(file.get(), static_cast<int32_t>(manager.vmgi_mat->tt_srpt * kSector)) < 0 ||
        DVDReadBytes(file.get(), count, sizeof count) != static_cast<ssize_t>(sizeof count))
        return std::nullopt;
    return static_cast<unsigned>(count[0] << 8 | count[1]);
}

// The sectors of the videos of a domain (title set 0: the manager's menus);
// -1 when they cannot be told.
std::int64_t VideoSectors(dvd_reader_t& reader, int set, dvd_read_domain_t domain) {
    const std::unique_ptr<dvd_file_t, FileClose> file(DVDOpenFile(&reader, set, domain));
    return file ? static_cast<std::int64_t>(DVDFileSize(file.get())) : -1;
}

// The program chains of one table, each with the bytes its block spans (to
// the next block's start or the table's end), named by name(number); their
// cells must end within the domain's sectors of video (when known).
template <typename Name>
void CheckChains(const pgcit_t* table, std::int64_t sectors, const Name& name,
                 std::vector<std::string>& problems) {
    if (!table || !table->pgci_srp)
        return;
    std::vector<std::uint32_t> starts;
    for (int i = 0; i < table->nr_of_pgci_srp; ++i)
        starts.push_back(table->pgci_srp[i].pgc_start_byte);
    std::sort(starts.begin(), starts.end());
    for (int i = 0; i < table->nr_of_pgci_srp; ++i) {
        const pgc_t* pgc = table->pgci_srp[i].pgc;
        if (!pgc)
            continue;
        const std::uint32_t start = table->pgci_srp[i].pgc_start_byte;
        const auto next = std::upper_bound(starts.begin(), starts.end(), start);
        const std::size_t end = next != starts.end() ? *next : std::size_t{table->last_byte} + 1;
        const std::size_t size = end > start ? end - start : 0;
        const auto fits = [size](std::size_t offset, std::size_t bytes) {
            return offset + bytes <= size;
        };
        const bool programsFit =
            pgc->nr_of_programs == 0 || fits(pgc->program_map_offset, pgc->nr_of_programs);
        const bool cellsFit = pgc->nr_of_cells == 0 ||
                              (fits(pgc->cell_playback_offset, pgc->nr_of_cells * kCellPlayback) &&
                               fits(pgc->cell_position_offset, pgc->nr_of_cells * kCellPosition));
        if (!programsFit || !cellsFit || pgc->nr_of_programs > pgc->nr_of_cells)
            problems.push_back(name(i + 1) + " claims " + std::to_string(pgc->nr_of_programs) +
                               " programs and " + std::to_string(pgc->nr_of_cells) +
                               " cells, more than its " + std::to_string(size) +
                               "-byte block holds or than it has cells");
        else if (pgc->cell_playback && sectors >= 0)
            for (int c = 0; c < pgc->nr_of_cells; ++c) {
                const cell_playback_t& cell = pgc->cell_playback[c];
                if (cell.first_sector > cell.last_sector || cell.last_sector >= sectors) {
                    problems.push_back(name(i + 1) + " has cell " + std::to_string(c + 1) +
                                       " at sectors " + std::to_string(cell.first_sector) + " to " +
                                       std::to_string(cell.last_sector) + ", past the " +
                                       std::to_string(sectors) + " sectors of its videos");
                    break;
                }
            }
    }
}

void CheckMenus(const ifo_handle_t* ifo, std::int64_t sectors, const std::string& menus,
                std::vector<std::string>& problems) {
    if (!ifo || !ifo->pgci_ut || !ifo->pgci_ut->lu)
        return;
    for (int unit = 0; unit < ifo->pgci_ut->nr_of_lus; ++unit)
        CheckChains(
            ifo->pgci_ut->lu[unit].pgcit, sectors,
            [&](int n) { return menus + " menu " + std::to_string(n); }, problems);
}

}  // namespace

std::vector<std::string> TableCountProblems(dvd_reader_t& reader, const ifo_handle_t& manager,
                                            const std::vector<const ifo_handle_t*>& sets) {
    std::vector<std::string> problems;
    if (const tt_srpt_t* titles = manager.tt_srpt) {
        const std::size_t room = titles->last_byte + 1 > kTableHeader
                                     ? (titles->last_byte + 1 - kTableHeader) / kTitleEntry
                                     : 0;
        if (const auto stated = StatedTitles(reader, manager);
            stated && (*stated > room || *stated == 0))
            problems.push_back("the title table claims " + std::to_string(*stated) +
                               " titles and holds " + std::to_string(room));
        for (int t = 0; t < titles->nr_of_srpts && titles->title; ++t) {
            const title_info_t& title = titles->title[t];
            const int set = title.title_set_nr;
            // A player's navigation opens the set a title names whatever the
            // count says, while only the counted sets' tables are checked.
            if (set < 1 || set > static_cast<int>(sets.size())) {
                problems.push_back("title " + std::to_string(t + 1) + " lies in title set " +
                                   std::to_string(set) + ", not one of the " +
                                   std::to_string(sets.size()) + " title sets the disc claims");
                continue;
            }
            const ifo_handle_t* vts = sets[set - 1];
            if (!vts || !vts->vts_ptt_srpt || !vts->vts_ptt_srpt->title)
                continue;
            const int inSet = title.vts_ttn;
            const int listed = inSet >= 1 && inSet <= vts->vts_ptt_srpt->nr_of_srpts
                                   ? vts->vts_ptt_srpt->title[inSet - 1].nr_of_ptts
                                   : 0;
            if (title.nr_of_ptts != listed)
                problems.push_back("title " + std::to_string(t + 1) + " claims " +
                                   std::to_string(title.nr_of_ptts) +
                                   " chapters, its title set lists " + std::to_string(listed));
        }
    }
    CheckMenus(&manager, VideoSectors(reader, 0, DVD_READ_MENU_VOBS), "manager", problems);
    for (int set = 1; set <= static_cast<int>(sets.size()); ++set) {
        const ifo_handle_t* vts = sets[set - 1];
        const std::string name = "title set " + std::to_string(set);
        CheckMenus(vts, VideoSectors(reader, set, DVD_READ_MENU_VOBS), name, problems);
        if (vts)
            CheckChains(
                vts->vts_pgcit, VideoSectors(reader, set, DVD_READ_TITLE_VOBS),
                [&](int n) { return name + " program chain " + std::to_string(n); }, problems);
    }
    return problems;
}

}  // namespace discchecker
