#include "pipeline/DiscAudio.h"

#include <algorithm>

#include "media/AudioTracks.h"
#include "media/LanguageCode.h"

std::string AudioTrackArgument(const MediaItem& item, int discTracks) {
    const std::vector<AudioTrack> kept = KeptAudioTracks(item);
    if (discTracks <= 1 && item.audioTracks.size() <= 1 && kept.size() == item.audioTracks.size())
        return {};
    std::string text;
    for (int t = 0; t < std::max(1, discTracks); ++t) {
        text += t == 0 ? "" : ",";
        text += t < static_cast<int>(kept.size()) ? std::to_string(kept[t].number) : "-";
    }
    return text;
}

std::vector<std::string> DiscAudioLanguages(const MediaList& list, int discTracks,
                                            const std::string& untagged) {
    std::vector<std::string> languages;
    for (int t = 0; t < discTracks; ++t) {
        std::string language;
        bool disagree = false;
        for (const MediaItem& item : list) {
            const std::vector<AudioTrack> kept = KeptAudioTracks(item);
            if (t >= static_cast<int>(kept.size()) || kept[t].language.empty())
                continue;
            disagree = disagree || (!language.empty() && kept[t].language != language);
            language = kept[t].language;
        }
        languages.push_back(disagree ? std::string() : language.empty() ? untagged : language);
    }
    return languages;
}

std::vector<int> DroppedAudioTracks(const MediaItem& item) {
    std::vector<int> numbers;
    for (const AudioTrack& track : item.audioTracks)
        if (!track.kept)
            numbers.push_back(track.number + 1);
    return numbers;
}

void DropAudioTracks(MediaItem& item, const std::vector<int>& numbers) {
    for (AudioTrack& track : item.audioTracks)
        if (std::find(numbers.begin(), numbers.end(), track.number + 1) != numbers.end())
            track.kept = false;
}

std::string UntaggedAudioLanguage(const std::string& setting) {
    const std::string language = DvdLanguageCode(setting);
    return language.empty() ? LocaleLanguage() : language;
}

bool ChooseAudioTracks(MediaItem& item, const std::string& choice, const std::string& untagged) {
    std::vector<std::string> languages;
    if (choice != "all" && choice != "first") {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = choice.find(',', start);
            const std::string code = DvdLanguageCode(choice.substr(start, end - start));
            if (code.empty())
                return false;
            languages.push_back(code);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    bool anyKept = false;
    for (AudioTrack& track : item.audioTracks) {
        const std::string& language = track.language.empty() ? untagged : track.language;
        track.kept = choice == "all" ||
                     (choice == "first" && &track == &item.audioTracks.front()) ||
                     std::find(languages.begin(), languages.end(), language) != languages.end();
        anyKept = anyKept || track.kept;
    }
    if (!anyKept && !item.audioTracks.empty())
        item.audioTracks.front().kept = true;
    return true;
}
