#include "pipeline/JobContext.h"

#include <ctime>

#include "engines/DiscBurner.h"

namespace {

platform::DynamicLibrary KeepLoaded(const std::string& path, bool needed) {
    return needed ? platform::DynamicLibrary(path) : platform::DynamicLibrary();
}

}  // namespace

JobContext::JobContext(const JobInput& input, JobEvents& events, platform::CancelSignal& cancel)
    : input(input),
      params(input.params),
      events(events),
      cancel(cancel),
      libraries(LocateEngineLibraries(input.programFolder)),
      videos(input.videos),
      engineKept_(KeepLoaded(libraries.engine, input.flags & (JOB_CONVERT | JOB_MENUS))),
      authoringKept_(KeepLoaded(libraries.authoring, input.flags & JOB_MENUS)),
      relay_(*this) {
    relay_.handle = platform::RegisterWindow(relay_, relay_);
    link.hwnd = relay_.handle;
    link.messageId = WM_CONVERT_PROGRESS;
    // The engine and the burner look at the link only; a cancel reaches them
    // through it the moment it is given.
    linkAbort_ = cancel.OnCancel([this] { link.abortRequested.store(1); });
    result.videos = videos;
    result.flagsLeft = input.flags;
    result.dvdFolder = input.dvdFolder;
}

JobContext::~JobContext() {
    linkAbort_.Reset();
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
        job.events.Figures(ComputeConversionFigures(
            clock, *reinterpret_cast<const ConvertProgressRecord*>(lParam)));
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
