#include "pipeline/HeadlessJobWindow.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "app/QuorvaApp.h"
#include "engines/DiscBurner.h"

HeadlessJobWindow::HeadlessJobWindow(AuthoringJob& job, platform::EventLoop& loop)
    : job_(job), loop_(loop) {
    handle_ = platform::RegisterWindow(*this, loop_);
    job_.window = handle_;
}

HeadlessJobWindow::~HeadlessJobWindow() {
    platform::UnregisterWindow(handle_);
    if (job_.workerThread.joinable())
        job_.workerThread.join();
}

std::string HeadlessJobWindow::TimeStamp() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "[%02d:%02d:%02d.%03d] ", local.tm_hour, local.tm_min,
                  local.tm_sec, ms);
    return text;
}

void HeadlessJobWindow::Log(const std::string& text) {
    log_.push_back(TimeStamp() + text);
    if (onLog)
        onLog(log_.back());
}

std::string HeadlessJobWindow::BurnerText() const {
    char text[1024] = {};
    if (auto& burner = App().theBurner)
        burner->GetLastMessage(text, sizeof text);
    return text;
}

void HeadlessJobWindow::RunJob() {
    workerDone_ = false;
    timerFired_ = false;
    job_.progressLink.hwnd = handle_;
    job_.progressLink.messageId = WM_CONVERT_PROGRESS;
    job_.progressLink.abortRequested = 0;
    job_.stage = STAGE_BUSY;
    if (job_.workerThread.joinable())
        job_.workerThread.join();
    job_.workerThread = std::thread([this] {
        RunAuthoringJob(job_);
        workerDone_ = true;
        loop_.Post([] {});  // wake the loop
    });
    loop_.RunUntil([this] { return workerDone_.load(); });
    job_.workerThread.join();
    // The worker's completion timer brings the window back to idle.
    loop_.RunUntil([this] { return job_.stage == STAGE_IDLE; }, std::chrono::seconds(2));
    job_.stage = STAGE_IDLE;
}

void HeadlessJobWindow::Abort() {
    job_.progressLink.abortRequested = 1;
    job_.stage = STAGE_IDLE;
    if (auto& burner = App().theBurner)
        burner->Cancel();
}

platform::LRESULT HeadlessJobWindow::OnMessage(std::uint32_t message, platform::WPARAM wParam,
                                               platform::LPARAM lParam) {
    switch (message) {
        case WM_JOB_STATUS:
            if (lParam != 0) {
                errors_.push_back(job_.statusText);
                if (onError)
                    onError(job_.statusText);
            } else {
                Log(job_.statusText);
            }
            return 0;
        case WM_CONVERT_PROGRESS:
            ++convertMessages_;
            progress_ = ComputeConversionFigures(
                job_, *reinterpret_cast<const ConvertProgressRecord*>(lParam));
            barPosition_ = progress_.done;
            if (onProgress)
                onProgress(progress_);
            return 0;
        case WM_BURN_PROGRESS: {
            if (wParam != 0) {
                burnPercents_.push_back(static_cast<int>(wParam));
                if (onBurnProgress)
                    onBurnProgress(static_cast<int>(wParam));
            }
            std::string text = BurnerText();
            if (lParam != 0) {
                errors_.push_back(text);
                if (onError)
                    onError(text);
            } else if (!text.empty() && text != lastBurnerText_) {
                Log(text);  // a new phase; repeated percent updates are not logged
            }
            lastBurnerText_ = text;
            return 0;
        }
        case PBM_SETRANGE32:
            barRange_ = lParam;
            return 0;
        case PBM_SETPOS:
            barPosition_ = static_cast<std::int64_t>(wParam);
            return 0;
        default:
            return 0;
    }
}

void HeadlessJobWindow::OnTimer(std::uint32_t timerId) {
    if (timerId != 1) {
        if (onTick)
            onTick();
        return;
    }
    platform::KillTimer(handle_, timerId);
    timerFired_ = true;
    job_.stage = STAGE_IDLE;
}
