#include "components/discchecker/AudioStreams.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "components/discchecker/PackPackets.h"

namespace discchecker {
namespace {

// About a second of the fastest stream: every audio stream has packets in it.
constexpr std::uint32_t kCellSample = 512;

struct FileClose {
    void operator()(dvd_file_t* file) const { DVDCloseFile(file); }
};

// The audio streams (a bit each, 0 to 7) with packets in one pack: AC-3,
// DTS and LPCM in private stream 1, MPEG audio in streams 0xC0 to 0xC7.
unsigned AudioInPack(const std::uint8_t* pack) {
    unsigned streams = 0;
    ForEachPacket(pack, [&streams](std::uint8_t id, int s) {
        if ((s >= 0x80 && s <= 0x8F) || (s >= 0xA0 && s <= 0xA7))
            streams |= 1u << (s & 7);
        else if (id >= 0xC0 && id <= 0xC7)
            streams |= 1u << (id & 7);
    });
    return streams;
}

std::string Language(const audio_attr_t& attr) {
    const char a = static_cast<char>(attr.lang_code >> 8);
    const char b = static_cast<char>(attr.lang_code & 0xff);
    if (attr.lang_type != 1 || a < 'a' || a > 'z' || b < 'a' || b > 'z')
        return "no language";
    return std::string{a, b};
}

}  // namespace

AudioStreamCheck CheckAudioStreams(dvd_reader_t& reader,
                                   const std::vector<const ifo_handle_t*>& sets) {
    AudioStreamCheck check;
    std::vector<std::uint8_t> buffer(kCellSample * kPackBytes);
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const ifo_handle_t* vts = sets[s];
        if (!vts || !vts->vtsi_mat || !vts->vts_pgcit || !vts->vts_pgcit->pgci_srp)
            continue;
        const int set = static_cast<int>(s + 1);
        const std::unique_ptr<dvd_file_t, FileClose> file(
            DVDOpenFile(&reader, set, DVD_READ_TITLE_VOBS));
        if (!file)
            continue;
        const std::string name = "title set " + std::to_string(set);
        const int listed = std::min<int>(8, vts->vtsi_mat->nr_of_vts_audio_streams);
        const unsigned table = (1u << listed) - 1;
        const auto sectors = static_cast<std::uint32_t>(DVDFileSize(file.get()));
        unsigned anywhere = 0;
        int cells = 0;
        const std::size_t before = check.problems.size();
        for (int c = 0; c < vts->vts_pgcit->nr_of_pgci_srp; ++c) {
            const pgc_t* pgc = vts->vts_pgcit->pgci_srp[c].pgc;
            if (!pgc || !pgc->cell_playback)
                continue;
            unsigned offered = 0;
            for (int k = 0; k < 8; ++k)
                if (pgc->audio_control[k] & 0x8000)
                    offered |= 1u << k;
            for (int i = 0; i < pgc->nr_of_cells; ++i) {
                const cell_playback_t& cell = pgc->cell_playback[i];
                if (cell.first_sector > cell.last_sector || cell.first_sector >= sectors)
                    continue;
                const std::uint32_t count =
                    std::min({kCellSample, cell.last_sector - cell.first_sector + 1,
                              sectors - cell.first_sector});
                if (DVDReadBlocks(file.get(), static_cast<int>(cell.first_sector), count,
                                  buffer.data()) != static_cast<ssize_t>(count))
                    continue;
                unsigned carried = 0;
                for (std::uint32_t b = 0; b < count; ++b)
                    carried |= AudioInPack(buffer.data() + b * kPackBytes);
                anywhere |= carried;
                ++cells;
                const std::string where = name + " program chain " + std::to_string(c + 1) +
                                          " cell " + std::to_string(i + 1);
                for (int k = 0; k < 8; ++k) {
                    const unsigned bit = 1u << k;
                    if ((carried & bit) && !(table & bit))
                        check.problems.push_back(where + " carries audio stream " +
                                                 std::to_string(k + 1) +
                                                 ", which the stream table does not list");
                    else if ((offered & table & bit) && !(carried & bit))
                        check.problems.push_back(where + " lacks audio stream " +
                                                 std::to_string(k + 1) +
                                                 ", which its program chain offers");
                }
            }
        }
        for (int k = 0; k < listed; ++k)
            if (!(anywhere & (1u << k)) && cells > 0)
                check.problems.push_back(name + "'s stream table lists audio stream " +
                                         std::to_string(k + 1) + " (" +
                                         Language(vts->vtsi_mat->vts_audio_attr[k]) +
                                         "), which none of its videos carries");
        if (check.problems.size() > before)
            continue;
        std::string languages;
        for (int k = 0; k < listed; ++k)
            languages += (k ? ", " : "") + Language(vts->vtsi_mat->vts_audio_attr[k]);
        check.found += (check.found.empty() ? "" : "; ") + name + ": " + std::to_string(listed) +
                       (listed == 1 ? " stream" : " streams") +
                       (listed ? " (" + languages + ")" : "") + " in every cell";
    }
    return check;
}

}  // namespace discchecker
