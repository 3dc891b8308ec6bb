// The authoring job's shared vocabulary: its stages and flags, its parameters,
// and the link through which the encoding engine reports.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

#include "components/burner/VolumeLabel.h"
#include "media/MediaItem.h"
#include "platform/Window.h"

class CXMLAccess;

// The longest volume label a disc gets, in bytes of UTF-8.
constexpr std::size_t kVolumeLabelLimit = burner::kVolumeLabelBytes;

// The engine's progress message; lParam: its progress record.
constexpr std::uint32_t WM_CONVERT_PROGRESS = 8024;

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
    STAGE_AUTHORING = 5,  // the DVD folder is authored from the streams and menus
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
    int burnSpeed = 0;       // times DVD speed; 0: the drive's best
    int conversionJobs = 0;  // conversions side by side; 0: from the cores and memory
    int chapterMinutes = 5;  // a chapter every so many minutes of a video; 0: one per video
    // The sound tracks of every title (see DiscAudioTrackCount) and the
    // two-letter language of an untagged one ("" when unknown).
    int audioTracks = 1;
    std::string audioLanguage;
    // The end of each video goes back to the root menu instead of on to the next.
    bool returnToMenu = false;
};

// discType: the disc the videos go on (index into DiscTypeTable), which
// "Fit to disc" fills.
JobParameters DeriveJobParameters(const CXMLAccess& options, const MediaList& list, int discType);
