#include "components/engine/EngineArguments.h"

extern "C" {
#include <libavutil/parseutils.h>
}

#include <algorithm>
#include <charconv>
#include <cstring>
#include <set>
#include <string_view>

namespace engine {
namespace {

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end;
}

bool ParseRatio(const std::string& text, AVRational& ratio) {
    AVRational r{0, 1};
    if (text.empty() || av_parse_ratio(&r, text.c_str(), 1 << 20, 0, nullptr) < 0)
        return false;
    if (r.num <= 0 || r.den <= 0)
        return false;
    ratio = r;
    return true;
}

// Rates above 16000 are bits per second, smaller ones kilobits.
std::int64_t KiloOrBits(std::int64_t value) {
    return value > 16000 ? value : value * 1000;
}

Status Bad(const std::string& option, const std::string& value) {
    return Status::Failure("invalid value '" + value + "' for " + option);
}

Status ParseVideoFilters(const std::string& value, EngineRequest& r) {
    for (const std::string& filter : SplitText(value, ',')) {
        if (filter == "harddup") {
            r.hardDuplicate = true;
        } else if (filter.rfind("scale=", 0) == 0) {
            auto size = SplitText(std::string_view(filter).substr(6), ':');
            if (size.size() != 2 || !ParseNumber(size[0], r.width) ||
                !ParseNumber(size[1], r.height) || r.width <= 0 || r.height <= 0 ||
                r.width > 4096 || r.height > 4096)
                return Bad("-vf", value);
        } else {
            return Status::Failure("unsupported video filter '" + filter + "'");
        }
    }
    return {};
}

Status ParseCodecOptions(const std::string& value, EngineRequest& r) {
    for (const std::string& item : SplitText(value, ':')) {
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos)
            return Bad("-lavcopts", item);
        const std::string key = item.substr(0, eq);
        const std::string text = item.substr(eq + 1);
        std::int64_t number = 0;
        bool ok = true;
        if (key == "vcodec") {
            r.videoCodec = text;
        } else if (key == "acodec") {
            r.audioCodec = text;
        } else if (key == "aspect") {
            ok = ParseRatio(text, r.aspect);
        } else if (key == "vbitrate" && (ok = ParseNumber(text, number) && number > 0)) {
            r.videoBitRate = KiloOrBits(number);
        } else if (key == "vrc_maxrate" && (ok = ParseNumber(text, number) && number >= 0)) {
            r.maxRate = KiloOrBits(number);
        } else if (key == "vrc_buf_size" && (ok = ParseNumber(text, number) && number >= 0)) {
            r.bufferSize = number * 1000;
        } else if (key == "abitrate" && (ok = ParseNumber(text, number) && number > 0)) {
            r.audioBitRate = KiloOrBits(number);
        } else if (key == "keyint") {
            ok = ParseNumber(text, r.gopSize) && r.gopSize > 0 && r.gopSize <= 1000;
        } else if (key == "vstrict") {
            ok = ParseNumber(text, r.strictness);
        }
        // Other keys of that syntax leave the encoder's defaults alone.
        if (!ok)
            return Bad("-lavcopts", item);
    }
    return {};
}

// The most sound tracks a DVD title carries.
constexpr std::size_t kMaxAudioTracks = 8;

Status ParseAudioTracks(const std::string& value, EngineRequest& r) {
    r.audioTracks.clear();
    for (const std::string& item : SplitText(value, ',')) {
        int number = -1;
        if (item != "-" &&
            (!ParseNumber(std::string_view(item), number) || number < 0 || number > 999))
            return Bad("-audio-tracks", value);
        // A stream is decoded once, for one track.
        if (number >= 0 && std::count(r.audioTracks.begin(), r.audioTracks.end(), number) > 0)
            return Bad("-audio-tracks", value);
        r.audioTracks.push_back(number);
    }
    if (r.audioTracks.size() > kMaxAudioTracks)
        return Status::Failure("more than 8 audio tracks given (-audio-tracks)");
    return {};
}

Status ParsePictureOptions(const std::string& value, EngineRequest& r) {
    for (const std::string& item : SplitText(value, ':')) {
        const std::size_t eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const std::string text = eq == std::string::npos ? "" : item.substr(eq + 1);
        bool ok = true;
        if (key == "w")
            ok = ParseNumber(text, r.pictureWidth);
        else if (key == "h")
            ok = ParseNumber(text, r.pictureHeight);
        else if (key == "fps")
            ok = ParseRatio(text, r.pictureRate);
        else if (key == "type")
            r.pictureType = text;
        else
            ok = false;
        if (!ok)
            return Bad("-mf", item);
    }
    return {};
}

// A null progress link means nobody listens; a null record cannot be filled.
Status ParseAddress(const std::string& option, const std::string& value, std::intptr_t& address,
                    bool nullAllowed) {
    long long number = 0;
    if (!ParseNumber(std::string_view(value), number) || (number == 0 && !nullAllowed))
        return Bad(option, value);
    address = static_cast<std::intptr_t>(number);
    return {};
}

Status ApplyOption(const std::string& option, const std::string& value, EngineRequest& r) {
    if (option == "-o") {
        r.output = value;
    } else if (option == "-vf") {
        return ParseVideoFilters(value, r);
    } else if (option == "-lavcopts") {
        return ParseCodecOptions(value, r);
    } else if (option == "-mf") {
        return ParsePictureOptions(value, r);
    } else if (option == "-ofps") {
        if (!ParseRatio(value, r.outputRate))
            return Bad(option, value);
    } else if (option == "-srate") {
        if (!ParseNumber(value, r.sampleRate) || r.sampleRate < 8000 || r.sampleRate > 192000)
            return Bad(option, value);
    } else if (option == "-af") {
        if (value.rfind("lavcresample=", 0) != 0 ||
            !ParseNumber(std::string_view(value).substr(13), r.sampleRate) || r.sampleRate < 8000 ||
            r.sampleRate > 192000)
            return Bad(option, value);
    } else if (option == "-ss") {
        if (!ParseNumber(value, r.seekSeconds) || r.seekSeconds < 0)
            return Bad(option, value);
    } else if (option == "-frames") {
        if (!ParseNumber(value, r.frameLimit) || r.frameLimit < 0)
            return Bad(option, value);
    } else if (option == "-ovc") {
        r.videoEncoder = value;
    } else if (option == "-oac") {
        r.audioEncoder = value;
    } else if (option == "-of") {
        r.container = value;
    } else if (option == "-convert-status") {
        return ParseAddress(option, value, r.progressAddress, true);
    } else if (option == "-media-info") {
        return ParseAddress(option, value, r.mediaInfoAddress, false);
    } else if (option == "-audio-tracks") {
        return ParseAudioTracks(value, r);
    }
    // "-mpegopts format=dvd:tsaf": the DVD muxer always writes timestamps for
    // every frame. "-xvidencopts", "-lameopts", "-ffourcc" only come with the
    // media information use, which encodes nothing.
    return {};
}

Status CheckEncode(const EngineRequest& r) {
    if (r.output.empty())
        return Status::Failure("no output file given (-o)");
    if (r.width <= 0 || r.height <= 0)
        return Status::Failure("no output frame size given (-vf scale=W:H)");
    if (r.outputRate.num <= 0)
        return Status::Failure("no output frame rate given (-ofps)");
    if (r.videoEncoder != "lavc" || r.videoCodec != "mpeg2video")
        return Status::Failure("only the mpeg2video encoder is supported");
    if (r.audioEncoder != "lavc" || r.audioCodec != "ac3")
        return Status::Failure("only the ac3 audio encoder is supported");
    if (r.container != "mpeg")
        return Status::Failure("only the mpeg container is supported");
    if (r.aspect.num <= 0)
        return Status::Failure("no display aspect ratio given (aspect=N/D)");
    return {};
}

}  // namespace

Status ParseArguments(int argc, char** argv, EngineRequest& r) {
    static const std::set<std::string> kWithValue = {
        "-oac",         "-ovc",      "-of",       "-mpegopts",       "-vf",
        "-srate",       "-af",       "-lavcopts", "-ofps",           "-mf",
        "-ss",          "-frames",   "-o",        "-convert-status", "-media-info",
        "-xvidencopts", "-lameopts", "-ffourcc",  "-audio-tracks"};
    std::vector<std::string> plain;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            return Status::Failure("missing argument");
        const std::string word = argv[i];
        if (word == "-nosound") {
            r.noSound = true;
        } else if (word == "-nokeepaspect" || word == "-keepaspect") {
            r.keepAspect = word == "-keepaspect";
        } else if (kWithValue.count(word)) {
            if (i + 1 >= argc || !argv[i + 1])
                return Status::Failure("option " + word + " needs a value");
            if (Status s = ApplyOption(word, argv[++i], r); !s)
                return s;
        } else if (word.size() > 1 && word[0] == '-') {
            return Status::Failure("unknown option " + word);
        } else {
            plain.push_back(word);
        }
    }
    if (plain.size() != 1)
        return Status::Failure(plain.empty() ? "no source given" : "more than one source given");

    if (plain[0].rfind("mf://", 0) == 0) {
        r.mode = EngineMode::MenuStill;
        r.keepAspect = false;  // menu pictures are made in the frame's own pixels
        for (const std::string& p : SplitText(std::string_view(plain[0]).substr(5), ','))
            if (!p.empty())
                r.pictures.push_back(p);
        if (r.pictures.empty())
            return Status::Failure("the picture list is empty");
        if (r.pictureType != "jpg" && r.pictureType != "jpeg" && r.pictureType != "bmp" &&
            r.pictureType != "png")
            return Status::Failure("unsupported picture type '" + r.pictureType + "'");
        return CheckEncode(r);
    }
    r.source = plain[0];
    if (r.mediaInfoAddress != 0) {
        r.mode = EngineMode::MediaInfo;
        return {};
    }
    if (r.videoCodec == "mjpeg") {
        r.mode = EngineMode::Thumbnail;
        if (r.output.empty())
            return Status::Failure("no output file given (-o)");
        if (r.width <= 0 || r.height <= 0)
            return Status::Failure("no picture size given (-vf scale=W:H)");
        return {};
    }
    r.mode = EngineMode::Convert;
    return CheckEncode(r);
}

}  // namespace engine
