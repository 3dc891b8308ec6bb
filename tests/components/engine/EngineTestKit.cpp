#include "EngineTestKit.h"

#include <QJsonDocument>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "engines/CallLibraryEntry.h"
#include "platform/Files.h"

namespace enginetest {

using testsupport::RunCommand;

std::string EnginePath() {
    return QUORVA_BIN_DIR "engine.so";
}

int RunEngine(const std::string& text) {
    int result = -1;
    CallLibraryEntry(EnginePath(), "me_start", text, true, &result);
    return result;
}

std::string Target::EncodingOptions() const {
    const std::string size = std::to_string(width()) + ":" + std::to_string(height());
    const std::string rate = std::to_string(kbits);
    return "-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=" + size +
           ",harddup*-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:"
           "vrc_buf_size=1835:vrc_maxrate=" +
           rate + ":vbitrate=" + rate + ":keyint=" + std::to_string(keyint()) +
           ":vstrict=0:acodec=ac3:abitrate=192:aspect=" + (wide ? "16/9" : "4/3") + "*-ofps*" +
           this->rate();
}

std::string ConversionText(const Target& target, const std::string& source,
                           const std::string& output, std::intptr_t progressLink) {
    return "x*" + target.EncodingOptions() + "*" + source + "*-o*" + output + "*-convert-status*" +
           std::to_string(progressLink);
}

std::string ThumbnailText(const std::string& source, const std::string& output) {
    return "xencoder.dll*" + source +
           "*-ss*5*-frames*1*-of*rawvideo*-ovc*lavc*-lavcopts*vcodec=mjpeg*-nosound*-vf*scale="
           "128:96*-o*" +
           output;
}

std::string MediaInfoText(const std::string& source, const std::string& scratch,
                          const void* record) {
    return "xengine.dll*-ovc*xvid*-xvidencopts*bitrate=1500*-vf*scale=368:208,harddup*-ofps*"
           "30000/1001*-oac*mp3lame*-lameopts*br=384:vol=6*-af*lavcresample=32000*-ffourcc*DivX*" +
           source + "*-o*" + scratch + "*-media-info*" +
           std::to_string(reinterpret_cast<std::intptr_t>(record));
}

bool MakeClip(const std::string& path, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"ffmpeg", "-nostdin", "-v", "error", "-y"};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.push_back(path);
    return RunCommand(argv).status == 0;
}

Probe ProbeFile(const std::string& path) {
    Probe probe;
    auto run = RunCommand({"ffprobe", "-v", "error", "-count_packets", "-show_streams",
                           "-show_format", "-of", "json", path});
    if (run.status != 0)
        return probe;
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.output)).object();
    probe.format = root["format"].toObject();
    for (const auto& value : root["streams"].toArray()) {
        const QJsonObject stream = value.toObject();
        if (stream["codec_type"] == "video")
            probe.video.push_back(stream);
        else if (stream["codec_type"] == "audio")
            probe.audio.push_back(stream);
    }
    probe.ok = true;
    return probe;
}

std::string PictureTypes(const std::string& path) {
    auto run = RunCommand({"ffprobe", "-v", "error", "-select_streams", "v", "-show_entries",
                           "frame=pict_type", "-of", "csv=p=0", path});
    std::string types;
    for (char c : run.output)
        if (c == 'I' || c == 'P' || c == 'B')
            types += c;
    return types;
}

std::vector<double> PicturePsnr(const std::string& encoded, const std::string& reference) {
    auto run =
        RunCommand({"ffmpeg", "-nostdin", "-v", "error", "-i", encoded, "-i", reference, "-lavfi",
                    "[0:v]settb=1,setpts=N[a];[1:v]settb=1,setpts=N[b];[a][b]psnr="
                    "stats_file=-",
                    "-fps_mode", "passthrough", "-f", "null", "-"});
    std::vector<double> values;
    for (std::size_t at = 0; (at = run.output.find("psnr_y:", at)) != std::string::npos; at += 7) {
        const std::string value = run.output.substr(at + 7, 8);
        values.push_back(value.rfind("inf", 0) == 0 ? 99 : std::atof(value.c_str()));
    }
    return values;
}

double Number(const QJsonObject& object, const char* key) {
    const QJsonValue value = object[key];
    return value.isString() ? value.toString().toDouble() : value.toDouble();
}

namespace {

// The first time in ffprobe's "time,value" lines whose value exceeds limit.
double FirstAbove(const std::string& filter, const char* tag, double limit) {
    auto run = RunCommand({"ffprobe", "-v", "error", "-f", "lavfi", filter, "-show_entries",
                           std::string("frame=pts_time:frame_tags=") + tag, "-of", "csv=p=0"});
    std::size_t start = 0;
    for (std::size_t end; (end = run.output.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string line = run.output.substr(start, end - start);
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        const std::string value = line.substr(comma + 1);
        if (value.find("inf") == std::string::npos && std::atof(value.c_str()) > limit)
            return std::atof(line.substr(0, comma).c_str());
    }
    return -1;
}

}  // namespace

double FirstBrightPicture(const std::string& path) {
    return FirstAbove("movie=" + path + ",signalstats", "lavfi.signalstats.YAVG", 100);
}

double FirstLoudSound(const std::string& path, int track) {
    const std::string stream = track < 0 ? "" : ":s=a\\\\:" + std::to_string(track);
    return FirstAbove("amovie=" + path + stream + ",asetnsamples=n=240,astats=metadata=1:reset=1",
                      "lavfi.astats.Overall.RMS_level", -40);
}

bool MarkRotated(const std::string& path) {
    auto bytes = platform::ReadFile(path);
    if (!bytes)
        return false;
    const std::size_t box = bytes->find("tkhd");
    if (box == std::string::npos)
        return false;
    const std::size_t matrix = box + 4 + ((*bytes)[box + 4] == 0 ? 40 : 52);
    const std::uint32_t values[9] = {0, 0x00010000, 0, 0xFFFF0000, 0, 0, 0, 0, 0x40000000};
    for (int i = 0; i < 9; ++i)
        for (int b = 0; b < 4; ++b)
            (*bytes)[matrix + i * 4 + b] = static_cast<char>(values[i] >> (24 - 8 * b));
    return platform::WriteFileAtomically(path, *bytes).ok();
}

double MeanLuma(const std::string& path, int top, int height) {
    auto run = RunCommand({"ffprobe", "-v", "error", "-f", "lavfi",
                           "movie=" + path + ",crop=iw:" + std::to_string(height) +
                               ":0:" + std::to_string(top) + ",signalstats",
                           "-read_intervals", "%+#1", "-show_entries",
                           "frame_tags=lavfi.signalstats.YAVG", "-of", "csv=p=0"});
    return run.status == 0 ? std::atof(run.output.c_str()) : -1;
}

Picture DecodePicture(const std::string& path, int width, int height, int frame,
                      const std::string& pixelFormat) {
    Picture picture{width, height, pixelFormat == "gray" ? 1 : 3, {}};
    const std::string raw = path + "." + std::to_string(frame) + ".raw";
    auto run = RunCommand({"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", path, "-vf",
                           "select=eq(n\\," + std::to_string(frame) + ")", "-frames:v", "1", "-f",
                           "rawvideo", "-pix_fmt", pixelFormat, raw});
    auto bytes = platform::ReadFile(raw);
    std::remove(raw.c_str());
    if (run.status != 0 || !bytes ||
        bytes->size() != static_cast<std::size_t>(width) * height * picture.channels)
        return {};
    picture.bytes = *bytes;
    return picture;
}

MuxTiming CheckMuxTiming(const std::string& path) {
    MuxTiming timing;
    auto file = platform::ReadFile(path);
    if (!file)
        return timing;
    const auto* d = reinterpret_cast<const unsigned char*>(file->data());
    const std::size_t size = file->size();
    auto stamp = [](const unsigned char* b) {
        return (static_cast<std::int64_t>((b[0] >> 1) & 7) << 30) | (b[1] << 22) |
               ((b[2] >> 1) << 15) | (b[3] << 7) | (b[4] >> 1);
    };
    std::map<int, double> due;  // stream id: decode time of the frame being carried
    for (std::size_t at = 0; at + 2048 <= size; at += 2048) {
        const unsigned char* p = d + at;
        if (p[0] != 0 || p[1] != 0 || p[2] != 1 || p[3] != 0xBA)
            return MuxTiming{};  // not a DVD program stream of 2048-byte packs
        const std::int64_t base = (static_cast<std::int64_t>((p[4] >> 3) & 7) << 30) |
                                  (static_cast<std::int64_t>(p[4] & 3) << 28) | (p[5] << 20) |
                                  ((p[6] >> 3) << 15) | ((p[6] & 3) << 13) | (p[7] << 5) |
                                  (p[8] >> 3);
        const double scr = base / 90000.0;
        ++timing.packs;
        bool late = false;
        for (std::size_t j = 14 + (p[13] & 7); j + 9 <= 2048;) {
            const unsigned char* h = p + j;
            if (h[0] != 0 || h[1] != 0 || h[2] != 1)
                break;
            const int id = h[3];
            if (id == 0xE0 || id == 0xBD) {
                if (auto it = due.find(id); it != due.end()) {
                    timing.worstLateness = std::max(timing.worstLateness, scr - it->second);
                    late = late || scr > it->second;
                }
                if (h[7] & 0x80)
                    due[id] = stamp(h + ((h[7] & 0x40) ? 14 : 9)) / 90000.0;
            }
            j += 6 + ((h[4] << 8) | h[5]);
        }
        timing.latePacks += late ? 1 : 0;
    }
    return timing;
}

bool DvdauthorAccepts(const std::string& vob, const std::string& folder, bool pal,
                      std::string* log) {
    setenv("VIDEO_FORMAT", pal ? "PAL" : "NTSC", 1);
    auto title = RunCommand({"dvdauthor", "-o", folder, "-t", vob});
    auto toc = RunCommand({"dvdauthor", "-o", folder, "-T"});
    if (log)
        *log = title.output + toc.output;
    return title.status == 0 && toc.status == 0 && title.output.find("ERR:") == std::string::npos &&
           toc.output.find("ERR:") == std::string::npos;
}

std::vector<double> KeyPictureSizes(const std::string& path) {
    auto run = RunCommand({"ffprobe", "-v", "error", "-select_streams", "v", "-show_entries",
                           "packet=size,flags", "-of", "csv=p=0", path});
    std::vector<double> sizes;
    std::size_t at = 0;
    while (at < run.output.size()) {
        std::size_t end = run.output.find('\n', at);
        if (end == std::string::npos)
            end = run.output.size();
        const std::string line = run.output.substr(at, end - at);
        at = end + 1;
        const std::size_t comma = line.find(',');
        if (comma != std::string::npos && line.find('K', comma) != std::string::npos)
            sizes.push_back(std::atof(line.c_str()));
    }
    return sizes;
}

std::vector<long> GroupTimeCodes(const std::string& vob, int picturesPerSecond) {
    const std::string video = vob + ".m2v";
    RunCommand({"ffmpeg", "-v", "error", "-y", "-i", vob, "-map", "0:v", "-c", "copy", "-f",
                "mpeg2video", video});
    std::string bytes;
    if (std::FILE* file = std::fopen(video.c_str(), "rb")) {
        char buffer[1 << 16];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, file))
            bytes.append(buffer, n);
        std::fclose(file);
    }
    std::remove(video.c_str());
    std::vector<long> codes;
    const std::string groupStart("\x00\x00\x01\xB8", 4);
    for (std::size_t at = bytes.find(groupStart); at != std::string::npos && at + 8 <= bytes.size();
         at = bytes.find(groupStart, at + 4)) {
        const auto byte = [&](std::size_t i) {
            return static_cast<unsigned long>(static_cast<unsigned char>(bytes[at + 4 + i]));
        };
        const unsigned long word = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
        const long hours = word >> 26 & 31, minutes = word >> 20 & 63, seconds = word >> 13 & 63;
        codes.push_back(((hours * 60 + minutes) * 60 + seconds) * picturesPerSecond +
                        static_cast<long>(word >> 7 & 63));
    }
    return codes;
}

}  // namespace enginetest
