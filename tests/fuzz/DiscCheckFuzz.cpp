// libFuzzer target for the disc checker. An input is a disc's two
// information files: a 4-byte big-endian length, VIDEO_TS.IFO of that
// length, then VTS_01_0.IFO. They are written (with their backups) beside
// the videos of the DVD folder QUORVA_FUZZ_DISC names, and the disc is
// checked as quorva-cli check does. A crash, a sanitizer report (in the
// check or in the child process that plays the disc) or a check that does
// not end (libFuzzer's -timeout) is a finding.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "components/discchecker/DiscChecker.h"

namespace {

std::string Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/quorva-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        const char* disc = std::getenv("QUORVA_FUZZ_DISC");
        if (!made || !disc) {
            std::fprintf(stderr, "QUORVA_FUZZ_DISC must name a DVD folder.\n");
            std::abort();
        }
        const std::string videoTs = std::string(made) + "/VIDEO_TS/";
        mkdir(videoTs.c_str(), 0700);
        for (const char* vob : {"VIDEO_TS.VOB", "VTS_01_0.VOB", "VTS_01_1.VOB"})
            symlink((std::string(disc) + "/VIDEO_TS/" + vob).c_str(), (videoTs + vob).c_str());
        return std::string(made);
    }();
    return folder;
}

void Write(const std::string& base, const std::uint8_t* data, std::size_t size) {
    for (const char* ending : {".IFO", ".BUP"})
        std::ofstream(base + ending, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const std::size_t first =
        std::size_t{data[0]} << 24 | std::size_t{data[1]} << 16 | data[2] << 8 | data[3];
    if (first > size - 4)
        return 0;
    const std::string videoTs = Folder() + "/VIDEO_TS/";
    Write(videoTs + "VIDEO_TS", data + 4, first);
    Write(videoTs + "VTS_01_0", data + 4 + first, size - 4 - first);
    const discchecker::DiscCheckReport report =
        discchecker::CheckDisc(Folder(), discchecker::DiscExpectation{});
    // The player's navigation runs in a child process, which the check
    // survives; its crash (or a sanitizer's report there) is a finding all
    // the same.
    if (report.Failures().find("the player's navigation failed") != std::string::npos) {
        std::fprintf(stderr, "%s\n", report.Failures().c_str());
        std::abort();
    }
    return 0;
}
