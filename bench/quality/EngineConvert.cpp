// Converts one video with the encoding engine, with the argument text the
// program writes for a disc of the given standard, aspect and video rate.
//
//   engine_convert SOURCE OUTPUT.vob pal|ntsc 16:9|4:3 KBITS
//
// QUORVA_ENGINE names another engine library to run (an earlier build's, say).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engines/CallLibraryEntry.h"

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: engine_convert SOURCE OUTPUT pal|ntsc 16:9|4:3 KBITS\n");
        return 2;
    }
    const bool pal = std::string(argv[3]) == "pal";
    const std::string aspect = std::string(argv[4]) == "4:3" ? "4/3" : "16/9";
    const std::string rate = argv[5];
    const std::string text =
        std::string("x*-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=720:") +
        (pal ? "576" : "480") +
        ",harddup*-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:"
        "vrc_buf_size=1835:vrc_maxrate=" +
        rate + ":vbitrate=" + rate + ":keyint=" + (pal ? "15" : "18") +
        ":vstrict=0:acodec=ac3:abitrate=192:aspect=" + aspect + "*-ofps*" +
        (pal ? "25/1" : "30000/1001") + "*" + argv[1] + "*-o*" + argv[2] + "*-convert-status*0";
    int result = -1;
    const char* engine = std::getenv("QUORVA_ENGINE");
    CallLibraryEntry(engine ? engine : QUORVA_BIN_DIR "engine.so", "me_start", text, true, &result);
    return result == 0 ? 0 : 1;
}
