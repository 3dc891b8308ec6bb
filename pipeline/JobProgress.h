// What a conversion progress report means for the figures a window shows.
#pragma once

#include <cstdint>
#include <string>

#include "pipeline/AuthoringJob.h"

struct ConversionFigures {
    std::int64_t done = 0;     // media seconds converted
    std::int64_t total = 0;    // media seconds of the job
    std::int64_t elapsed = 0;  // wall seconds since the conversion began
    std::int64_t left = -1;    // estimated wall seconds left, -1 when unknown
    double speed = 0;          // times real time
    bool measured = false;     // from the engine's report, not a mere bar position
};

// Where the job's conversion stands apart from the video being converted.
struct ConversionClock {
    std::int64_t startTime = 0;         // when the conversion began (time())
    std::int64_t convertedSeconds = 0;  // media seconds of the videos finished
    std::int64_t totalSeconds = 0;      // media seconds of the job
};

// The figures after the engine reported record.
ConversionFigures ComputeConversionFigures(const ConversionClock& clock,
                                           const ConvertProgressRecord& record);

// "hh:mm:ss"; "--:--:--" for a negative (unknown) time.
std::string FormatClock(std::int64_t seconds);

// "[%02d:%02d:%02d.%03d] " of the local time now: the head of a log line.
std::string LogTimeStamp();
