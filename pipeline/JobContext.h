// What the stages of one run share: the job's input, its events, the cancel
// flag, the engine's progress link and the result being made. Lives on the
// worker's stack for the length of RunAuthoringJob.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "engines/EngineLibraries.h"
#include "pipeline/JobEvents.h"
#include "pipeline/JobInput.h"
#include "platform/CancelSignal.h"
#include "platform/DynamicLibrary.h"
#include "platform/Window.h"

class JobContext {
  public:
    JobContext(const JobInput& input, JobEvents& events, platform::CancelSignal& cancel);
    ~JobContext();
    JobContext(const JobContext&) = delete;
    JobContext& operator=(const JobContext&) = delete;

    const JobInput& input;
    const JobParameters& params;
    JobEvents& events;
    // The run's cancel; what waits on it subscribes (see OnCancel).
    platform::CancelSignal& cancel;
    const EngineLibraries libraries;
    // The videos as this run names their streams.
    MediaList videos;
    JobResult result;
    // Handed to the engine: its reports come back as conversion figures, and
    // it stops when the run is cancelled.
    ProgressLink link;
    std::atomic<std::int64_t> startTime{0};
    std::atomic<std::int64_t> convertedSeconds{0};
    std::atomic<std::int64_t> totalSeconds{0};

    bool Cancelled() const { return cancel.Cancelled() || link.abortRequested.load() != 0; }
    // The window handle the burner reports to; its reports become burn events.
    platform::HWND ReportWindow() const { return relay_.handle; }

    void Log(const std::string& text) { events.Log(text); }
    // Fails the run with text, shown once.
    void Fail(const std::string& text);
    // Fails the run with text that was shown already (the burner's own).
    void FailQuietly(const std::string& text);
    // The bar at done of the job's seconds, without the engine's figures.
    void ShowBarAt(std::int64_t done);

  private:
    // Turns the engine's and the burner's window messages into events, on
    // whichever thread sends them.
    struct Relay : platform::MessageTarget, platform::Dispatcher {
        explicit Relay(JobContext& job) : job(job) {}
        bool IsOwnThread() const override { return true; }
        void Post(std::function<void()> task, unsigned delayMs) override;
        platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                    platform::LPARAM lParam) override;
        JobContext& job;
        platform::HWND handle = 0;
    };

    // The engine libraries stay loaded while a run that calls them lasts:
    // each call then finds FFmpeg's libraries in place instead of loading
    // and relocating them again.
    platform::DynamicLibrary engineKept_;
    platform::DynamicLibrary authoringKept_;
    Relay relay_;
    // Sets the link's abort flag when the run is cancelled.
    platform::CancelSignal::Subscription linkAbort_;
};
