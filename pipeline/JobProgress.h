// What a conversion progress message means for the figures a window shows.
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
};

// The figures after the engine reported record during job's conversion.
ConversionFigures ComputeConversionFigures(const AuthoringJob& job,
                                           const ConvertProgressRecord& record);

// "hh:mm:ss"; "--:--:--" for a negative (unknown) time.
std::string FormatClock(std::int64_t seconds);
