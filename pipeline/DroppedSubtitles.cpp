#include "pipeline/DroppedSubtitles.h"

#include <algorithm>

std::vector<int> DroppedSubtitles(const MediaItem& item) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < item.subtitles.size(); ++i)
        if (!item.subtitles[i].kept)
            numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
}

void DropSubtitles(MediaItem& item, const std::vector<int>& numbers) {
    for (std::size_t i = 0; i < item.subtitles.size(); ++i)
        if (std::find(numbers.begin(), numbers.end(), static_cast<int>(i) + 1) != numbers.end())
            item.subtitles[i].kept = false;
}
