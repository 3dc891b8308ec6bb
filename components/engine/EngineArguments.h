// The engine's command line: the option words of the argument texts the
// program writes, read into one request.
#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <cstdint>
#include <string>
#include <vector>

#include "components/engine/FfmpegHandles.h"

namespace engine {

enum class EngineMode {
    Convert,    // a video to a DVD program stream
    MenuStill,  // a list of still pictures ("mf://") to a DVD program stream
    Thumbnail,  // one frame to a JPEG picture
    MediaInfo,  // the source's facts into a caller's record
};

struct EngineRequest {
    EngineMode mode = EngineMode::Convert;
    std::string source;                 // the input file (not for MenuStill)
    std::vector<std::string> pictures;  // MenuStill: the listed pictures, in order
    std::string output;                 // "-o"

    // "-mf": the picture list's own frame size, rate and picture type.
    int pictureWidth = 0;
    int pictureHeight = 0;
    AVRational pictureRate{25, 1};
    std::string pictureType;

    // Video: "-vf scale=W:H[,harddup]", "-ofps", "-lavcopts" video keys.
    int width = 0;
    int height = 0;
    bool hardDuplicate = false;
    // "-nokeepaspect": the picture is stretched to fill the frame instead of
    // keeping its proportions with black bars.
    bool keepAspect = true;
    AVRational outputRate{0, 1};
    std::string videoEncoder = "lavc";   // "-ovc"
    std::string videoCodec;              // vcodec
    std::int64_t videoBitRate = 800000;  // vbitrate, bits per second
    std::int64_t maxRate = 0;            // vrc_maxrate, bits per second
    std::int64_t bufferSize = 0;         // vrc_buf_size, bits
    int gopSize = 12;                    // keyint
    int strictness = 0;                  // vstrict
    AVRational aspect{0, 1};             // display aspect ratio

    // Audio: "-oac", "-srate", "-af lavcresample=R", "-lavcopts" audio keys.
    std::string audioEncoder = "lavc";
    std::string audioCodec;
    std::int64_t audioBitRate = 224000;
    int sampleRate = 48000;
    bool noSound = false;
    // "-audio-tracks N,N,...": the sound tracks of the output, in order, each
    // the source's audio stream of that number (0 its first, in the file's
    // order) or silence ("-"). Empty: one track, the source's main sound.
    std::vector<int> audioTracks;

    std::string container;   // "-of"
    double seekSeconds = 0;  // "-ss"
    int frameLimit = -1;     // "-frames"

    std::intptr_t progressAddress = 0;   // "-convert-status"
    std::intptr_t mediaInfoAddress = 0;  // "-media-info"
};

// Reads argv (argv[0] is the caller's fixed word) into request and checks that
// the options fit the use they select.
Status ParseArguments(int argc, char** argv, EngineRequest& request);

}  // namespace engine
