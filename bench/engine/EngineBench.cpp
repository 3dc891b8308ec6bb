// Converts the same source with the encoding engine and with the ffmpeg
// program set to the same work, and prints wall times, their ratio and the
// peak memory of each.
//
//   engine_bench [seconds] [source]
// Without a source, a noisy 640x360 clip with sound of the given length
// (default 30 s) is made with ffmpeg first.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchRun.h"

namespace {

using bench::Program;
using bench::Run;

Run Engine(const std::string& text) {
    return bench::Engine(QUORVA_BIN_DIR "engine.so", text);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    char folderTemplate[] = "/tmp/engine-bench-XXXXXX";
    const std::string folder = std::string(mkdtemp(folderTemplate)) + "/";
    std::string source = argc > 2 ? argv[2] : folder + "source.mp4";
    if (argc <= 2) {
        const std::string length = std::to_string(seconds);
        Run make =
            Program({"ffmpeg",
                     "-nostdin",
                     "-v",
                     "error",
                     "-y",
                     "-f",
                     "lavfi",
                     "-i",
                     "testsrc2=size=640x360:rate=25:duration=" + length + ",noise=alls=12:allf=t",
                     "-f",
                     "lavfi",
                     "-i",
                     "sine=frequency=440:duration=" + length,
                     "-c:v",
                     "libx264",
                     "-preset",
                     "veryfast",
                     "-c:a",
                     "aac",
                     source});
        if (make.status != 0) {
            std::fprintf(stderr, "could not make the source clip\n");
            return 1;
        }
    }

    const std::string engineOut = folder + "engine.vob";
    const std::string ffmpegOut = folder + "ffmpeg.vob";
    const std::string options =
        "-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=720:480,harddup*"
        "-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:vrc_buf_size=1835:"
        "vrc_maxrate=5000:vbitrate=5000:keyint=18:vstrict=0:acodec=ac3:abitrate=192:aspect=16/9*"
        "-ofps*30000/1001";
    const Run engine = Engine("x*" + options + "*" + source + "*-o*" + engineOut);
    const Run ffmpeg = Program({"ffmpeg",
                                "-nostdin",
                                "-v",
                                "error",
                                "-y",
                                "-threads",
                                "2",
                                "-i",
                                source,
                                "-vf",
                                "scale=720:480,setsar=32/27,fps=30000/1001",
                                "-c:v",
                                "mpeg2video",
                                "-threads",
                                "2",
                                "-b:v",
                                "5000k",
                                "-maxrate",
                                "5000k",
                                "-bufsize",
                                "1835k",
                                "-g",
                                "18",
                                "-bf",
                                "2",
                                "-pix_fmt",
                                "yuv420p",
                                "-c:a",
                                "ac3",
                                "-b:a",
                                "192k",
                                "-ar",
                                "48000",
                                "-ac",
                                "2",
                                "-f",
                                "dvd",
                                "-packetsize",
                                "2048",
                                "-muxrate",
                                "10080000",
                                ffmpegOut});

    // Probing a file: a thumbnail at 5 s and the facts record.
    const std::string thumbnail = folder + "thumb.jpg";
    unsigned char record[56] = {};
    const auto probeStart = std::chrono::steady_clock::now();
    const Run thumb = Engine("xencoder.dll*" + source +
                             "*-ss*5*-frames*1*-of*rawvideo*-ovc*lavc*-lavcopts*vcodec=mjpeg*"
                             "-nosound*-vf*scale=128:96*-o*" +
                             thumbnail);
    int infoResult = -1;
    CallLibraryEntry(QUORVA_BIN_DIR "engine.so", "me_start",
                     "xengine.dll*" + source + "*-o*" + folder + "scratch*-media-info*" +
                         std::to_string(reinterpret_cast<std::intptr_t>(record)),
                     true, &infoResult);
    const double probeSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - probeStart).count();

    std::printf("source: %s (%d s)\n", source.c_str(), seconds);
    std::printf("probe (thumbnail + media info): status %d/%d, %.3f s wall\n", thumb.status,
                infoResult, probeSeconds);
    for (const auto& [name, run] : {std::pair{"engine", engine}, std::pair{"ffmpeg", ffmpeg}})
        std::printf("%s: status %d, %.2f s wall, peak %.1f MB, CPU %.2f s (%.0f %%)\n", name,
                    run.status, run.seconds, run.peakMb, run.cpuSeconds,
                    run.seconds > 0 ? 100 * run.cpuSeconds / run.seconds : 0.0);
    if (ffmpeg.seconds > 0)
        std::printf("wall time ratio engine/ffmpeg: %.2f\n", engine.seconds / ffmpeg.seconds);
    std::remove(engineOut.c_str());
    std::remove(thumbnail.c_str());
    std::remove(ffmpegOut.c_str());
    if (argc <= 2)
        std::remove(source.c_str());
    rmdir(folder.c_str());
    return engine.status == 0 && ffmpeg.status == 0 ? 0 : 1;
}
