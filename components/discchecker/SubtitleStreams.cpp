#include "components/discchecker/SubtitleStreams.h"

#include <bitset>
#include <cstdint>
#include <memory>

namespace discchecker {
namespace {

constexpr std::size_t kSector = 2048;
constexpr std::size_t kChunk = 512;  // sectors read at once
constexpr int kMaxStreams = 32;

struct FileClose {
    void operator()(dvd_file_t* file) const { DVDCloseFile(file); }
};

// The subtitle streams (private stream 1, sub-streams 0x20 to 0x3F) whose
// packets start in one sector of a program stream.
void NoteSubtitlePacket(const std::uint8_t* pack, std::bitset<kMaxStreams>& carried) {
    // A pack header (00 00 01 BA, MPEG-2: 14 bytes plus stuffing), then its
    // first packet; DVD packs hold one packet each but a padding one.
    if (pack[0] != 0 || pack[1] != 0 || pack[2] != 1 || pack[3] != 0xBA)
        return;
    std::size_t at = 14 + (pack[13] & 0x07);
    if (at + 9 > kSector || pack[at] != 0 || pack[at + 1] != 0 || pack[at + 2] != 1 ||
        pack[at + 3] != 0xBD)
        return;
    const std::size_t payload = at + 9 + pack[at + 8];
    if (payload >= kSector)
        return;
    const std::uint8_t substream = pack[payload];
    if (substream >= 0x20 && substream < 0x20 + kMaxStreams)
        carried.set(substream - 0x20);
}

}  // namespace

SubtitleStreamCheck CheckSubtitleStreams(dvd_reader_t& reader,
                                         const std::vector<const ifo_handle_t*>& sets,
                                         const std::function<bool()>& stop) {
    SubtitleStreamCheck check;
    std::vector<std::uint8_t> buffer(kChunk * kSector);
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const ifo_handle_t* vts = sets[s];
        if (!vts || !vts->vtsi_mat)
            continue;
        const int set = static_cast<int>(s) + 1;
        const int listed = vts->vtsi_mat->nr_of_vts_subp_streams;
        const std::unique_ptr<dvd_file_t, FileClose> file(
            DVDOpenFile(&reader, set, DVD_READ_TITLE_VOBS));
        if (!file)
            continue;  // the missing files are said elsewhere
        std::bitset<kMaxStreams> carried;
        const ssize_t sectors = DVDFileSize(file.get());
        for (ssize_t first = 0; first < sectors; first += kChunk) {
            if (stop && stop())
                return {};
            const std::size_t count = std::min<std::size_t>(kChunk, sectors - first);
            const ssize_t read =
                DVDReadBlocks(file.get(), static_cast<int>(first), count, buffer.data());
            if (read <= 0)
                break;
            for (ssize_t i = 0; i < read; ++i)
                NoteSubtitlePacket(buffer.data() + i * kSector, carried);
        }
        check.listed += listed;
        check.carried += static_cast<int>(carried.count());
        const std::string name = "title set " + std::to_string(set);
        for (int k = 0; k < kMaxStreams; ++k) {
            if (carried[k] && k >= listed)
                check.problems.push_back(name + "'s videos carry subtitle stream " +
                                         std::to_string(k + 1) + ", but it lists " +
                                         std::to_string(listed));
            else if (!carried[k] && k < listed)
                check.problems.push_back(name + " lists subtitle stream " + std::to_string(k + 1) +
                                         ", which none of its videos carries");
        }
    }
    return check;
}

}  // namespace discchecker
