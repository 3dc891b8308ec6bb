#include "components/engine/MuxerUnderflowWatch.h"

extern "C" {
#include <libavutil/log.h>
}

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/FfmpegLog.h"

namespace engine {

// FFmpeg has one log callback per process. It is ours only while a watch
// exists, and the program's route again after the last one, so that nothing
// calls into this library once it has been unloaded.
struct MuxerLogRouter {
    static std::mutex lock;
    static std::vector<MuxerUnderflowWatch*> watches;

    static void Log(void* context, int level, const char* format, va_list args) {
        if (format && std::strstr(format, "buffer underflow")) {
            std::lock_guard guard(lock);
            for (MuxerUnderflowWatch* watch : watches)
                if (watch->muxer_ == context)
                    ++watch->count_;
        }
        platform::WriteFfmpegLog(context, level, format, args);
    }
};
std::mutex MuxerLogRouter::lock;
std::vector<MuxerUnderflowWatch*> MuxerLogRouter::watches;

MuxerUnderflowWatch::MuxerUnderflowWatch(const AVFormatContext* muxer) : muxer_(muxer) {
    std::lock_guard guard(MuxerLogRouter::lock);
    if (MuxerLogRouter::watches.empty())
        av_log_set_callback(&MuxerLogRouter::Log);
    MuxerLogRouter::watches.push_back(this);
}

MuxerUnderflowWatch::~MuxerUnderflowWatch() {
    std::lock_guard guard(MuxerLogRouter::lock);
    auto& watches = MuxerLogRouter::watches;
    watches.erase(std::remove(watches.begin(), watches.end(), this), watches.end());
    if (watches.empty())
        av_log_set_callback(&platform::WriteFfmpegLog);
}

}  // namespace engine
