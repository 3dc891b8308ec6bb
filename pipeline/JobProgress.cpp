#include "pipeline/JobProgress.h"

#include <cstdio>
#include <ctime>

ConversionFigures ComputeConversionFigures(const AuthoringJob& job,
                                           const ConvertProgressRecord& record) {
    ConversionFigures figures;
    figures.elapsed = static_cast<std::int64_t>(std::time(nullptr)) - job.startTime;
    figures.done = job.convertedSeconds + record.seconds;
    figures.total = job.totalSeconds;
    if (figures.done > 0)
        figures.left =
            static_cast<std::int64_t>(static_cast<double>(figures.total * figures.elapsed) /
                                          static_cast<double>(figures.done) -
                                      static_cast<double>(figures.elapsed));
    figures.speed = record.speed;
    return figures;
}

std::string FormatClock(std::int64_t seconds) {
    if (seconds < 0)
        return "--:--:--";
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds % 3600 / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}
