// The engine's entry: called like a program's main with the argument vector
// of one of the program's argument texts. Returns 0 when the output was made.
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

#include "components/engine/Conversion.h"
#include "components/engine/EngineArguments.h"
#include "components/engine/MediaFacts.h"
#include "components/engine/Thumbnail.h"

namespace engine {
namespace {

Status Run(int argc, char** argv) {
    EngineRequest request;
    if (Status s = ParseArguments(argc, argv, request); !s)
        return s;
    switch (request.mode) {
        case EngineMode::MediaInfo:
            return ReadMediaFacts(request);
        case EngineMode::Thumbnail:
            return MakeThumbnail(request);
        case EngineMode::MenuStill:
            return EncodeMenuStill(request);
        case EngineMode::Convert: {
            ProgressReporter progress(request.progressAddress);
            return ConvertVideo(request, progress);
        }
    }
    return Status::Failure("unknown use");
}

// Per thread, as conversions run side by side, each asking after its own
// call. A plain array: a thread-local with a destructor would keep the
// library loaded until the thread ends.
thread_local char lastError[2048];

void SetLastError(const std::string& text) {
    std::snprintf(lastError, sizeof lastError, "%s", text.c_str());
}

// FFmpeg's own messages (a damaged frame it concealed, a format guessed from
// few bytes) are the engine's debug log: with QUORVA_DEBUG set they go to
// standard error marked as FFmpeg's, else nowhere; the job reports what
// matters itself. FFmpeg has one log callback per process: this one while a
// call runs, FFmpeg's own again after the last, so that nothing calls into
// this library once it is unloaded. FFmpeg's own prints nothing from then
// on, nor while a muxer's watch borrows the callback.
class FfmpegLog {
  public:
    FfmpegLog() {
        std::lock_guard guard(lock);
        if (calls++ == 0) {
            const char* debug = std::getenv("QUORVA_DEBUG");
            shown = debug && *debug ? AV_LOG_INFO : AV_LOG_QUIET;
            av_log_set_level(AV_LOG_QUIET);
            av_log_set_callback(&Write);
        }
    }
    ~FfmpegLog() {
        std::lock_guard guard(lock);
        if (--calls == 0)
            av_log_set_callback(&av_log_default_callback);
    }
    FfmpegLog(const FfmpegLog&) = delete;
    FfmpegLog& operator=(const FfmpegLog&) = delete;

  private:
    static void Write(void* context, int level, const char* format, va_list args) {
        if (level > shown)
            return;
        char line[1024];
        int prefix = 1;
        av_log_format_line2(context, level, format, args, line, sizeof line, &prefix);
        std::fprintf(stderr, "engine: ffmpeg: %s", line);
    }

    static inline std::mutex lock;
    static inline int calls = 0;
    static inline std::atomic<int> shown{AV_LOG_QUIET};
};

}  // namespace
}  // namespace engine

extern "C" __attribute__((visibility("default"))) int me_start(int argc, char** argv) {
    engine::FfmpegLog log;
    engine::Status status;
    try {
        status = engine::Run(argc, argv);
    } catch (const std::exception& e) {
        status = engine::Status::Failure(e.what());
    } catch (...) {
        status = engine::Status::Failure("unexpected failure");
    }
    engine::SetLastError(status.message());
    if (status.ok())
        return 0;
    std::fprintf(stderr, "engine: %s\n", status.message().c_str());
    return 1;
}

// Why the calling thread's last call of me_start failed ("" after a success).
extern "C" __attribute__((visibility("default"))) const char* me_last_error() {
    return engine::lastError;
}
