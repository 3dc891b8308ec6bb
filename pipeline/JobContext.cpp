#include "pipeline/JobContext.h"

#include <chrono>
#include <ctime>

#include "engines/DiscBurner.h"

namespace {

platform::DynamicLibrary KeepLoaded(const std::string& path, bool needed) {
    return needed ? platform::DynamicLibrary(path) : platform::DynamicLibrary();
}

}  // namespace

JobContext::JobContext(const JobInput& input, JobEvents& events, const std::atomic<bool>& cancel)
    : input(input),
      params(input.params),
      events(events),
      libraries(LocateEngineLibraries(input.programFolder)),
      videos(input.videos),
      cancel_(cancel),
      engineKept_(KeepLoaded(libraries.engine, input.flags & (JOB_CONVERT | JOB_MENUS))),
      authoringKept_(KeepLoaded(libraries.authoring, input.flags & JOB_MENUS)),
      relay_(*this) {
    relay_.handle = platform::RegisterWindow(relay_, relay_);
    link.hwnd = relay_.handle;
    link.messageId = WM_CONVERT_PROGRESS;
    link.abortRequested = cancel.load() ? 1 : 0;
    // The engine and the burner look at the link only; a cancel reaches them
    // through it.
    cancelWatch_ = std::jthread([this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            if (cancel_.load()) {
                link.abortRequested = 1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    result.videos = videos;
    result.flagsLeft = input.flags;
    result.dvdFolder = input.dvdFolder;
}

JobContext::~JobContext() {
    cancelWatch_.request_stop();
    if (cancelWatch_.joinable())
        cancelWatch_.join();
    platform::UnregisterWindow(relay_.handle);
}

void JobContext::Fail(const std::string& text) {
    FailQuietly(text);
    events.Failure(text);
}

void JobContext::FailQuietly(const std::string& text) {
    result.outcome = JobOutcome::Failed;
    result.errorText = text;
}

void JobContext::ShowBarAt(std::int64_t done) {
    ConversionFigures figures;
    figures.done = done;
    figures.total = totalSeconds;
    events.Figures(figures);
}

void JobContext::Relay::Post(std::function<void()> task, unsigned delayMs) {
    if (delayMs == 0)
        task();
}

platform::LRESULT JobContext::Relay::OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                               platform::LPARAM lParam) {
    if (message == WM_CONVERT_PROGRESS && lParam != 0) {
        const ConversionClock clock{job.startTime, job.convertedSeconds, job.totalSeconds};
        job.events.Figures(
            ComputeConversionFigures(clock, *reinterpret_cast<const ConvertProgressRecord*>(lParam)));
    } else if (message == WM_BURN_PROGRESS) {
        BurnProgress progress;
        progress.percent = static_cast<int>(std::min<platform::WPARAM>(wParam, 100));
        progress.failed = lParam != 0;
        char text[1024] = {};
        if (job.input.burner)
            job.input.burner->GetLastMessage(text, sizeof text);
        progress.text = text;
        job.events.Burn(progress);
    }
    return 0;
}
