#include "pipeline/JobProgress.h"

#include <chrono>
#include <cstdio>
#include <ctime>

ConversionFigures ComputeConversionFigures(const ConversionClock& clock,
                                           const ConvertProgressRecord& record) {
    ConversionFigures figures;
    figures.measured = true;
    figures.elapsed = static_cast<std::int64_t>(std::time(nullptr)) - clock.startTime;
    figures.done = clock.convertedSeconds + record.seconds;
    figures.total = clock.totalSeconds;
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

std::string LogTimeStamp() {
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
