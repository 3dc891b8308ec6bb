#include "platform/FfmpegLog.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace platform {

void RouteFfmpegLog() {
    static std::once_flag routed;
    std::call_once(routed, [] {
        // FFmpeg's own callback, should anything put it back, prints nothing.
        av_log_set_level(AV_LOG_QUIET);
        av_log_set_callback(&WriteFfmpegLog);
    });
}

void WriteFfmpegLog(void* context, int level, const char* format, va_list args) {
    if (level > AV_LOG_INFO)
        return;
    // Asked per message: the command line's --verbose sets it after start-up.
    const char* debug = std::getenv("QUORVA_DEBUG");
    if (!debug || !*debug)
        return;
    char line[1024];
    int prefix = 1;
    av_log_format_line2(context, level, format, args, line, sizeof line, &prefix);
    std::fprintf(stderr, "ffmpeg: %s", line);
}

}  // namespace platform
