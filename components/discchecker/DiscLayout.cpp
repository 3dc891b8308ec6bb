#include "components/discchecker/DiscLayout.h"

#include "components/discchecker/AudioStreams.h"
#include "components/discchecker/ProgramChains.h"
#include "components/discchecker/TableBounds.h"
#include "components/discchecker/TableCounts.h"

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
}

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <utility>

namespace discchecker {
namespace {

struct ReaderClose {
    void operator()(dvd_reader_t* reader) const { DVDClose(reader); }
};
struct IfoClose {
    void operator()(ifo_handle_t* ifo) const { ifoClose(ifo); }
};
using ReaderPtr = std::unique_ptr<dvd_reader_t, ReaderClose>;
using IfoPtr = std::unique_ptr<ifo_handle_t, IfoClose>;

// libdvdread's messages go nowhere: what it cannot read is reported by what
// this reader finds missing.
void Quiet(void*, dvd_logger_level_t, const char*, va_list) {}

int FromBcd(std::uint8_t value) {
    return (value >> 4) * 10 + (value & 0x0f);
}

double Seconds(const dvd_time_t& time) {
    const int rateBits = (time.frame_u & 0xc0) >> 6;
    const double clock =
        FromBcd(time.hour) * 3600.0 + FromBcd(time.minute) * 60.0 + FromBcd(time.second);
    const int frames = FromBcd(time.frame_u & 0x3f);
    if (rateBits == 1)
        return clock + frames / 25.0;
    // NTSC time codes count 30 frames to their second (no frames dropped),
    // while the pictures come at 30000/1001 a second.
    if (rateBits == 3)
        return (clock * 30.0 + frames) * 1001.0 / 30000.0;
    return clock;
}

std::string SetFile(int titleSet, int number, const char* extension) {
    char name[16];
    std::snprintf(name, sizeof name, "VTS_%02d_%d.%s", titleSet, number, extension);
    return name;
}

bool Present(dvd_reader_t* reader, int titleSet, dvd_read_domain_t domain) {
    dvd_stat_t stat{};
    return DVDFileStat(reader, titleSet, domain, &stat) == 0 && stat.size > 0;
}

// The lengths of the chapters (parts) of a title, from its program chain's
// programs and their cells.
std::vector<double> ChapterSeconds(const ifo_handle_t& vts, int titleInSet) {
    std::vector<double> lengths;
    if (!vts.vts_ptt_srpt || !vts.vts_pgcit || titleInSet < 1 ||
        titleInSet > vts.vts_ptt_srpt->nr_of_srpts)
        return lengths;
    const ttu_t& title = vts.vts_ptt_srpt->title[titleInSet - 1];
    for (int part = 0; part < title.nr_of_ptts; ++part) {
        const ptt_info_t& ptt = title.ptt[part];
        if (ptt.pgcn < 1 || ptt.pgcn > vts.vts_pgcit->nr_of_pgci_srp) {
            lengths.push_back(0);
            continue;
        }
        const pgc_t* pgc = vts.vts_pgcit->pgci_srp[ptt.pgcn - 1].pgc;
        if (!pgc || ptt.pgn < 1 || ptt.pgn > pgc->nr_of_programs || !pgc->program_map) {
            lengths.push_back(0);
            continue;
        }
        const int firstCell = std::max(1, static_cast<int>(pgc->program_map[ptt.pgn - 1]));
        const int endCell =
            ptt.pgn < pgc->nr_of_programs ? pgc->program_map[ptt.pgn] : pgc->nr_of_cells + 1;
        double seconds = 0;
        for (int cell = firstCell; cell < endCell && cell <= pgc->nr_of_cells && pgc->cell_playback;
             ++cell)
            seconds += Seconds(pgc->cell_playback[cell - 1].playback_time);
        lengths.push_back(seconds);
    }
    return lengths;
}

struct FileClose {
    void operator()(dvd_file_t* file) const { DVDCloseFile(file); }
};

// Whether the tables of the information file of set (0: VIDEO_TS.IFO), told
// from its bytes, can be given to libdvdread, and when not, what is wrong (a
// file that cannot be read at all passes: ifoOpen finds it).
platform::Result<void> CheckTables(dvd_reader_t* reader, int set) {
    constexpr std::int64_t kLargest = 64 << 20;  // far more than any information file
    const std::unique_ptr<dvd_file_t, FileClose> file(DVDOpenFile(reader, set, DVD_READ_INFO_FILE));
    if (!file)
        return {};
    const std::int64_t bytes = static_cast<std::int64_t>(DVDFileSize(file.get())) * 2048;
    if (bytes <= 0 || bytes > kLargest)
        return {};
    std::vector<std::uint8_t> content(static_cast<std::size_t>(bytes));
    if (DVDReadBytes(file.get(), content.data(), content.size()) !=
        static_cast<ssize_t>(content.size()))
        return {};
    return CheckTableBounds(content, set == 0);
}

}  // namespace

DiscLayout ReadDiscLayout(const std::string& path) {
    DiscLayout layout;
    const dvd_logger_cb logger{&Quiet};
    ReaderPtr reader(DVDOpen2(nullptr, &logger, path.c_str()));
    if (!reader) {
        layout.error = "no DVD-Video can be read from " + path;
        return layout;
    }
    if (const platform::Result<void> tables = CheckTables(reader.get(), 0); !tables) {
        layout.error = "VIDEO_TS.IFO " + tables.error();
        return layout;
    }
    IfoPtr manager(ifoOpen(reader.get(), 0));
    if (!manager || !manager->vmgi_mat || !manager->tt_srpt) {
        layout.error = "VIDEO_TS.IFO cannot be read";
        return layout;
    }
    if (manager->vmgi_mat->vmgm_vobs != 0 && !Present(reader.get(), 0, DVD_READ_MENU_VOBS))
        layout.missingFiles.emplace_back("VIDEO_TS.VOB (the title menu)");
    layout.titles = manager->tt_srpt->nr_of_srpts;

    const int titleSets = manager->vmgi_mat->vmg_nr_of_title_sets;
    std::vector<IfoPtr> opened;
    std::vector<const ifo_handle_t*> sets;
    for (int set = 1; set <= titleSets; ++set) {
        if (const platform::Result<void> tables = CheckTables(reader.get(), set); !tables) {
            layout.error = SetFile(set, 0, "IFO") + " " + tables.error();
            return layout;
        }
        IfoPtr& vts = opened.emplace_back(ifoOpen(reader.get(), set));
        sets.push_back(vts.get());
        if (!vts || !vts->vtsi_mat) {
            layout.titleSetUnread = true;
            layout.missingFiles.push_back(SetFile(set, 0, "IFO") + " (title set " +
                                          std::to_string(set) + ")");
            continue;
        }
        if (vts->vtsi_mat->vtsm_vobs != 0 && !Present(reader.get(), set, DVD_READ_MENU_VOBS))
            layout.missingFiles.push_back(SetFile(set, 0, "VOB") + " (the root menu)");
        if (vts->vtsi_mat->vtstt_vobs != 0 && !Present(reader.get(), set, DVD_READ_TITLE_VOBS))
            layout.missingFiles.push_back(SetFile(set, 1, "VOB") + " (the videos)");
    }
    layout.titleChapterSeconds.resize(static_cast<std::size_t>(std::max(0, layout.titles)));
    for (int title = 0; title < layout.titles; ++title) {
        const int set = manager->tt_srpt->title[title].title_set_nr;
        if (set >= 1 && set <= titleSets && sets[set - 1] && sets[set - 1]->vtsi_mat)
            layout.titleChapterSeconds[title] =
                ChapterSeconds(*sets[set - 1], manager->tt_srpt->title[title].vts_ttn);
    }
    if (layout.titles > 0)
        layout.chapterSeconds = layout.titleChapterSeconds.front();
    layout.brokenChains = ProgramChainProblems(*manager, sets);
    layout.contradictions = TableCountProblems(*reader, *manager, sets);
    if (layout.brokenChains.empty() && layout.contradictions.empty()) {
        AudioStreamCheck audio = CheckAudioStreams(*reader, sets);
        layout.audioProblems = std::move(audio.problems);
        layout.audioStreams = std::move(audio.found);
    }
    layout.subtitles = CheckSubtitleStreams(*reader, sets);
    return layout;
}

}  // namespace discchecker
