// A window without a screen for running a job: it keeps the log, the bars and
// figures the progress window would show, and tells when the job is over.
// Tests and the command line run jobs through it.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "pipeline/AuthoringJob.h"
#include "pipeline/JobProgress.h"
#include "platform/EventLoop.h"

class HeadlessJobWindow : public platform::MessageTarget {
  public:
    using Progress = ConversionFigures;

    HeadlessJobWindow(AuthoringJob& job, platform::EventLoop& loop);
    ~HeadlessJobWindow() override;

    platform::HWND Handle() const { return handle_; }

    // Starts the worker on its own thread and runs the loop until it ended.
    void RunJob();
    // Asks the job to stop, as the progress window's abort does.
    void Abort();

    const std::vector<std::string>& LogLines() const { return log_; }
    const std::vector<std::string>& Errors() const { return errors_; }
    const std::vector<int>& BurnPercents() const { return burnPercents_; }
    const Progress& LastProgress() const { return progress_; }
    int ConvertProgressCount() const { return convertMessages_; }
    std::int64_t ConversionBarRange() const { return barRange_; }
    std::int64_t ConversionBarPosition() const { return barPosition_; }
    bool TimerFired() const { return timerFired_; }

    // Called for every log line ("[hh:mm:ss.mmm] text") and progress change.
    std::function<void(const std::string&)> onLog;
    std::function<void(const std::string&)> onError;
    std::function<void(const Progress&)> onProgress;
    std::function<void(int percent)> onBurnProgress;
    // Called for every timer other than the job's completion timer 1.
    std::function<void()> onTick;

    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                platform::LPARAM lParam) override;
    void OnTimer(std::uint32_t timerId) override;

    // "[%02d:%02d:%02d.%03d] " of the local time now.
    static std::string TimeStamp();

  private:
    void Log(const std::string& text);
    std::string BurnerText() const;

    AuthoringJob& job_;
    platform::EventLoop& loop_;
    platform::HWND handle_ = 0;
    std::vector<std::string> log_;
    std::vector<std::string> errors_;
    std::vector<int> burnPercents_;
    Progress progress_;
    int convertMessages_ = 0;
    std::int64_t barRange_ = 0;
    std::int64_t barPosition_ = 0;
    bool timerFired_ = false;
    std::string lastBurnerText_;
    std::atomic<bool> workerDone_{false};
};
