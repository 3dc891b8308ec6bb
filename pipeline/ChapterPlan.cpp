#include "pipeline/ChapterPlan.h"

#include <cmath>
#include <cstdio>

namespace {

std::vector<double> PointsOf(double duration, int intervalMinutes) {
    std::vector<double> points{0};
    if (intervalMinutes <= 0)
        return points;
    const double interval = intervalMinutes * 60.0;
    // A chapter in the last minute would hardly be worth a skip.
    const double last = duration - 60;
    int step = 1;
    if (last > 0)
        step =
            static_cast<int>(std::ceil((std::floor(last / interval) + 1) / kMaxChaptersPerTitle));
    for (double at = interval * step; at <= last; at += interval * step)
        points.push_back(at);
    return points;
}

}  // namespace

std::vector<VideoChapters> PlanChapters(const std::vector<double>& durations, int intervalMinutes) {
    std::vector<VideoChapters> plan;
    int title = 1;
    int chapters = 0;  // in the title so far
    for (const double duration : durations) {
        VideoChapters video;
        video.points = PointsOf(duration, intervalMinutes);
        const int count = static_cast<int>(video.points.size());
        if (chapters > 0 && chapters + count > kMaxChaptersPerTitle) {
            ++title;
            chapters = 0;
        }
        video.title = title;
        video.firstChapter = chapters + 1;
        chapters += count;
        plan.push_back(std::move(video));
    }
    return plan;
}

std::string ChapterTimes(const std::vector<double>& points) {
    std::string text;
    for (const double at : points) {
        const long seconds = std::lround(at);
        char point[32];
        std::snprintf(point, sizeof point, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
        text += (text.empty() ? "" : ",") + std::string(point);
    }
    return text;
}
