// What keeping proportions, converting colour and handling interlace cost a
// conversion: the same 60-second sources converted by the encoding engine with
// the work to do and without it, and by the ffmpeg program with and without
// the same filters, taken turn about, twice, the faster of each kept.
//
//   picture_bench [seconds [case]]    (case: a part of a case's name)
//
// Without the work means: the same 4:3 clip stretched (-nokeepaspect) instead
// of pillarboxed on a 16:9 disc; the same high-definition clip marked BT.601
// instead of BT.709; the same 576i clip marked progressive instead of
// interlaced (and, for the look at unmarked fields, marked at all).
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchRun.h"

namespace {

using bench::Run;

struct Disc {
    bool pal;
    bool wide;
    std::string EngineOptions() const {
        const std::string size = pal ? "720:576" : "720:480";
        return "-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=" + size +
               ",harddup*-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:"
               "vrc_buf_size=1835:vrc_maxrate=6000:vbitrate=6000:keyint=" +
               (pal ? "15" : "18") +
               ":vstrict=0:acodec=ac3:abitrate=192:aspect=" + (wide ? "16/9" : "4/3") + "*-ofps*" +
               (pal ? "25/1" : "30000/1001");
    }
    std::vector<std::string> FfmpegOutput(const std::string& filters) const {
        const std::string sar = pal ? (wide ? "64/45" : "16/15") : (wide ? "32/27" : "8/9");
        return {"-vf",         filters + ",setsar=" + sar + ",format=yuv420p",
                "-c:v",        "mpeg2video",
                "-threads",    "2",
                "-b:v",        "6000k",
                "-maxrate",    "6000k",
                "-bufsize",    "1835k",
                "-g",          pal ? "15" : "18",
                "-bf",         "2",
                "-r",          pal ? "25" : "30000/1001",
                "-c:a",        "ac3",
                "-b:a",        "192k",
                "-ar",         "48000",
                "-ac",         "2",
                "-f",          "dvd",
                "-packetsize", "2048",
                "-muxrate",    "10080000"};
    }
};

struct Case {
    std::string name;
    Disc disc;
    std::string withSource, withoutSource;
    std::string engineWithExtra, engineWithoutExtra;  // appended to the argument text
    std::string ffmpegWith, ffmpegWithout;            // filters
    std::vector<std::string> ffmpegWithFlags;         // encoder options
};

Run Best(const Run& a, const Run& b) {
    if (a.status != 0)
        return a;
    if (b.status != 0)
        return b;
    Run best = a;
    best.seconds = std::min(a.seconds, b.seconds);
    best.cpuSeconds = std::min(a.cpuSeconds, b.cpuSeconds);
    return best;
}

bool Make(const std::vector<std::string>& args) {
    std::vector<std::string> argv{"ffmpeg", "-nostdin", "-v", "error", "-y"};
    argv.insert(argv.end(), args.begin(), args.end());
    return bench::Program(argv).status == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string length = argc > 1 ? argv[1] : "60";
    char folderTemplate[] = "/tmp/picture-bench-XXXXXX";
    const std::string folder = std::string(mkdtemp(folderTemplate)) + "/";
    const std::string sound = "sine=frequency=440:duration=" + length;
    const std::vector<std::string> h264{"-c:v", "libx264", "-preset", "veryfast", "-c:a", "aac"};
    auto clip = [&](const std::string& path, const std::string& picture,
                    std::vector<std::string> codec, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"-f", "lavfi", "-i", picture, "-f", "lavfi", "-i", sound};
        args.insert(args.end(), codec.begin(), codec.end());
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(path);
        return Make(args);
    };
    const std::string f43 = folder + "square43.mp4", hd709 = folder + "hd709.mp4",
                      hd601 = folder + "hd601.mp4", ilaced = folder + "fields.mkv",
                      progressive = folder + "progressive.mkv", unmarked = folder + "unmarked.avi";
    const std::string moving = "testsrc2=rate=25:duration=" + length;
    bool made =
        clip(f43, moving + ":size=640x480,noise=alls=12:allf=t", h264) &&
        clip(hd709, moving + ":size=1280x720,noise=alls=12:allf=t", h264,
             {"-colorspace", "bt709", "-color_primaries", "bt709", "-color_trc", "bt709"}) &&
        Make({"-i", hd709, "-c", "copy", "-bsf:v",
              "h264_metadata=matrix_coefficients=6:colour_primaries=6:transfer_characteristics=6",
              hd601}) &&
        clip(ilaced,
             "testsrc2=size=720x576:rate=50:duration=" + length +
                 ",noise=alls=12:allf=t,interlace=scan=bff,setsar=16/15",
             {"-c:v", "mpeg4", "-q:v", "3", "-c:a", "libmp3lame"}, {"-field_order", "bb"}) &&
        Make({"-i", ilaced, "-c", "copy", "-field_order", "progressive", progressive}) &&
        Make({"-i", ilaced, "-c", "copy", unmarked});
    if (!made) {
        std::fprintf(stderr, "could not make the source clips\n");
        return 1;
    }

    const Disc ntscWide{false, true}, ntsc43{false, false}, pal43{true, false}, palWide{true, true};
    const std::vector<Case> cases = {
        {"kept proportions (4:3 on 16:9 NTSC)",
         ntscWide,
         f43,
         f43,
         "",
         "*-nokeepaspect",
         "scale=540:480:flags=bicubic,pad=720:480:90:0",
         "scale=720:480:flags=bicubic",
         {}},
        {"colour BT.709 -> BT.601 (720p on 16:9 PAL)",
         palWide,
         hd709,
         hd601,
         "",
         "",
         "scale=720:576:flags=bicubic,format=yuv420p,colormatrix=bt709:bt601",
         "scale=720:576:flags=bicubic",
         {}},
        {"interlace kept (576i on 4:3 PAL)",
         pal43,
         ilaced,
         progressive,
         "",
         "",
         "scale=720:576:flags=bicubic",
         "scale=720:576:flags=bicubic",
         {"-flags", "+ildct", "-top", "0"}},
        {"interlace made whole (576i on 4:3 NTSC)",
         ntsc43,
         ilaced,
         progressive,
         "",
         "",
         "bwdif=mode=send_frame:parity=bff:deint=all,scale=720:480:flags=bicubic",
         "scale=720:480:flags=bicubic",
         {}},
        {"interlace look (576i unmarked on 4:3 NTSC)",
         ntsc43,
         unmarked,
         ilaced,
         "",
         "",
         "",
         "",
         {}},
    };

    std::printf("%s-second sources; the faster of two runs each; CPU = user + system\n",
                length.c_str());
    std::printf("%-44s %18s %18s %8s | %18s %18s %8s\n", "", "engine with", "without", "cost",
                "ffmpeg with", "without", "cost");
    int failures = 0;
    for (const Case& c : cases) {
        if (argc > 2 && c.name.find(argv[2]) == std::string::npos)
            continue;
        const std::string out = folder + "out.vob";
        auto engine = [&](const std::string& source, const std::string& extra) {
            return bench::Engine(QUORVA_BIN_DIR "engine.so", "x*" + c.disc.EngineOptions() + "*" +
                                                                 source + "*-o*" + out + extra);
        };
        auto ffmpeg = [&](const std::string& filters, bool with) {
            std::vector<std::string> args{
                "ffmpeg", "-nostdin", "-v",
                "error",  "-y",       "-threads",
                "2",      "-i",       with ? c.withSource : c.withoutSource};
            const auto output = c.disc.FfmpegOutput(filters);
            args.insert(args.end(), output.begin(), output.end());
            if (with)
                args.insert(args.end(), c.ffmpegWithFlags.begin(), c.ffmpegWithFlags.end());
            args.push_back(out);
            return bench::Program(args);
        };
        Run with[2], without[2], ffWith[2], ffWithout[2];
        const bool compareFfmpeg = !c.ffmpegWith.empty();
        for (int round = 0; round < 2; ++round) {
            with[round] = engine(c.withSource, c.engineWithExtra);
            without[round] = engine(c.withoutSource, c.engineWithoutExtra);
            if (compareFfmpeg) {
                ffWith[round] = ffmpeg(c.ffmpegWith, true);
                ffWithout[round] = ffmpeg(c.ffmpegWithout, false);
            }
        }
        const Run w = Best(with[0], with[1]), wo = Best(without[0], without[1]);
        char engineText[128];
        std::snprintf(engineText, sizeof engineText,
                      "%5.1fs %5.1fs cpu  %5.1fs %5.1fs cpu %+6.1f%%", w.seconds, w.cpuSeconds,
                      wo.seconds, wo.cpuSeconds, 100 * (w.cpuSeconds / wo.cpuSeconds - 1));
        std::string ffText = "(no ffmpeg counterpart)";
        if (compareFfmpeg) {
            const Run fw = Best(ffWith[0], ffWith[1]), fwo = Best(ffWithout[0], ffWithout[1]);
            char text[128];
            std::snprintf(text, sizeof text, "%5.1fs %5.1fs cpu  %5.1fs %5.1fs cpu %+6.1f%%",
                          fw.seconds, fw.cpuSeconds, fwo.seconds, fwo.cpuSeconds,
                          100 * (fw.cpuSeconds / fwo.cpuSeconds - 1));
            ffText = text;
            failures += fw.status != 0 || fwo.status != 0;
        }
        failures += w.status != 0 || wo.status != 0;
        std::printf("%-44s %s | %s  (wall cost %+.1f%%)\n", c.name.c_str(), engineText,
                    ffText.c_str(), 100 * (w.seconds / wo.seconds - 1));
        std::fflush(stdout);
    }
    std::filesystem::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
