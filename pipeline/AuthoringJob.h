// The authoring job: the record shared by the progress window and the worker
// thread that turns theMediaList into a DVD folder and burns it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "components/burner/VolumeLabel.h"
#include "media/MediaItem.h"
#include "platform/Window.h"

class CXMLAccess;

// The longest volume label a disc gets, in bytes of UTF-8.
constexpr std::size_t kVolumeLabelLimit = burner::kVolumeLabelBytes;

// Messages to the window that runs the job.
constexpr std::uint32_t WM_JOB_STATUS = 2024;        // lParam 0: log statusText; else error box
constexpr std::uint32_t WM_CONVERT_PROGRESS = 8024;  // lParam: the engine's progress record
// Conversion bar messages, sent to AuthoringJob::conversionBar.
constexpr std::uint32_t PBM_SETPOS = 0x0402;      // wParam: position
constexpr std::uint32_t PBM_SETRANGE32 = 0x0406;  // wParam: low, lParam: high

// The link through which the encoding engine reports progress and is told to
// stop. Its address is handed to the engine as text, so its layout is fixed.
struct ProgressLink {
    std::uint32_t hwnd = 0;
    std::uint32_t messageId = WM_CONVERT_PROGRESS;
    std::atomic<std::int32_t> abortRequested{0};
};
static_assert(sizeof(ProgressLink) == 12);
static_assert(offsetof(ProgressLink, messageId) == 4);
static_assert(offsetof(ProgressLink, abortRequested) == 8);

// What the engine's progress record holds at the offsets the window reads.
struct ConvertProgressRecord {
    std::uint8_t reserved[12];
    std::int32_t seconds;  // whole seconds of the current video converted so far
    double speed;          // times real time
};
static_assert(offsetof(ConvertProgressRecord, seconds) == 12);
static_assert(offsetof(ConvertProgressRecord, speed) == 16);

enum JobFlags : std::uint32_t {
    JOB_CONVERT = 1,  // convert the videos
    JOB_MENUS = 2,    // make the menus and author the DVD folder
    JOB_BURN = 4,     // burn the DVD folder
};

enum JobStage : std::int32_t {
    STAGE_IDLE = 0,
    STAGE_BUSY = 1,
    STAGE_CONVERTING = 2,
    STAGE_MENUS = 3,
    STAGE_BURNING = 4,
};

// Frame size, rate, aspect and bit rate of a job, derived once at its start.
struct JobParameters {
    int tvStandard = 0;  // 0 NTSC, 1 PAL
    int width = 720;
    int height = 480;
    int fpsNum = 30000;
    int fpsDen = 1001;
    int aspectNum = 16;
    int aspectDen = 9;
    int videoBitRate = 5000;     // kbit/s
    bool stretchToFill = false;  // fill the frame instead of keeping proportions
    // Read a burnt disc back and check it as a player would.
    bool checkAfterBurn = true;
    int conversionJobs = 0;      // conversions side by side; 0: from the cores and memory
};

// discType: the disc the videos go on (index into DiscTypeTable), which
// "Fit to disc" fills.
JobParameters DeriveJobParameters(const CXMLAccess& options, const MediaList& list, int discType);

// Lets the window hold the worker while it asks the user something: the
// worker waits at its next report or question until the window lets go.
class JobHold {
  public:
    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        released_.notify_all();
    }
    void WaitWhileHeld() {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return !held_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool held_ = false;
};

struct AuthoringJob {
    std::thread workerThread;
    std::string statusText;
    std::int32_t deviceIndex = -1;
    std::int32_t discType = 0;  // DVD-5 or DVD-9, index into DiscTypeTable
    std::string volumeLabel;
    ProgressLink progressLink;
    std::atomic<std::uint32_t> jobFlags{0};
    std::atomic<std::int64_t> startTime{0};
    std::atomic<std::int64_t> convertedSeconds{0};
    std::atomic<std::int64_t> totalSeconds{0};
    std::atomic<std::int32_t> stage{STAGE_IDLE};

    // The window that runs the job: status lines, message boxes, timer 1.
    platform::HWND window = 0;
    // The conversion bar (PBM_SETRANGE32, PBM_SETPOS); 0 sends them to window.
    platform::HWND conversionBar = 0;
    // Set when a stage failed; errorText is what was shown.
    std::atomic<bool> failed{false};
    std::string errorText;
    // What the burn stage made: the image file, or the drive written.
    std::string imageFile;
    std::string burnedDrive;
    // The disc checks of the last run, line by line, each headed by what was
    // checked.
    std::vector<std::string> discCheckLines;
    JobHold hold;

    explicit AuthoringJob(std::uint32_t flags = 0) : jobFlags(flags) {}
};

// The worker: runs the stages still set in job.jobFlags, one after another,
// and finally arms timer 1 on job.window. Always returns 0.
int RunAuthoringJob(AuthoringJob& job);

// Sends statusText to the job's window: a log line, or an error box.
void ReportStatus(AuthoringJob& job, const std::string& text, bool error = false);
// A log line from inside a burn. A burn that has begun runs to its end, so
// this does not wait for an open question the way ReportStatus does.
void ReportBurnLine(AuthoringJob& job, const std::string& text);
// Records a failure and shows it in an error box.
void ReportFailure(AuthoringJob& job, const std::string& text);
