#include "components/discchecker/SubtitleStreams.h"

#include <bitset>
#include <cstdint>
#include <memory>

#include "components/discchecker/PackPackets.h"

namespace discchecker {
namespace {

constexpr std::size_t kChunk = 512;  // sectors read at once
constexpr int kMaxStreams = 32;

struct FileClose {
    void operator()(dvd_file_t* file) const { DVDCloseFile(file); }
};

// The subtitle streams (private stream 1, sub-streams 0x20 to 0x3F) with
// packets in one pack.
void NoteSubtitlePacket(const std::uint8_t* pack, std::bitset<kMaxStreams>& carried) {
    ForEachPacket(pack, [&carried](std::uint8_t, int s) {
        if (s >= 0x20 && s < 0x20 + kMaxStreams)
            carried.set(s - 0x20);
    });
}

}  // namespace

SubtitleStreamCheck CheckSubtitleStreams(dvd_reader_t& reader,
                                         const std::vector<const ifo_handle_t*>& sets,
                                         const std::function<bool()>& stop) {
    SubtitleStreamCheck check;
    std::vector<std::uint8_t> buffer(kChunk * kPackBytes);
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
                NoteSubtitlePacket(buffer.data() + i * kPackBytes, carried);
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
