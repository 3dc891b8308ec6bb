// Where chapters begin on the disc: points every so many minutes inside each
// video, and the titles the videos are shared out between so that no title
// holds more than the 99 chapters a DVD title can have.
#pragma once

#include <string>
#include <vector>

// The most chapters one title holds.
inline constexpr int kMaxChaptersPerTitle = 99;

struct VideoChapters {
    int title = 1;               // the title it plays in, from 1
    int firstChapter = 1;        // its first chapter in that title, from 1
    std::vector<double> points;  // seconds into the video, the first 0
};

// One entry per video, in order. intervalMinutes 0 (or less): one chapter per
// video. No point falls in a video's last minute; a video that would have
// more points than a title holds gets them further apart.
std::vector<VideoChapters> PlanChapters(const std::vector<double>& durations, int intervalMinutes);

// The points as the authoring tool reads them: "0:00:00,0:05:00,...".
std::string ChapterTimes(const std::vector<double>& points);
