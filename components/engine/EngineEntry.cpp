// The engine's entry: called like a program's main with the argument vector
// of one of the program's argument texts. Returns 0 when the output was made.
#include <cstdio>
#include <string>

#include "components/engine/Conversion.h"
#include "components/engine/EngineArguments.h"
#include "components/engine/MediaFacts.h"
#include "components/engine/Thumbnail.h"
#include "platform/FfmpegLog.h"

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

}  // namespace
}  // namespace engine

extern "C" __attribute__((visibility("default"))) int me_start(int argc, char** argv) {
    // FFmpeg's messages go to the program's debug log from the first call on.
    platform::RouteFfmpegLog();
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
