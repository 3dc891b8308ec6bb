#include "media/AudioTracks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

extern "C" {
#include <libavformat/avformat.h>
}

#include "media/LanguageCode.h"
#include "media/LocalMedia.h"

namespace {

// "fr_FR.UTF-8", "de", "C.UTF-8": the letters before the territory.
std::string LanguageOfLocaleName(const std::string& name) {
    return DvdLanguageCode(name.substr(0, name.find_first_of("_.@")));
}

}  // namespace

std::string LocaleLanguage() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value && *value) {
            locale = value;
            break;
        }
    }
    // As gettext does for the program's texts, the LANGUAGE priority list
    // ("fr:de") comes first, except in the C locale.
    const bool plain =
        locale.empty() || locale == "POSIX" || locale == "C" || locale.rfind("C.", 0) == 0;
    if (const char* list = std::getenv("LANGUAGE"); list && !plain) {
        const std::string languages = list;
        for (std::size_t start = 0; start <= languages.size();) {
            const std::size_t end = std::min(languages.find(':', start), languages.size());
            if (std::string code = LanguageOfLocaleName(languages.substr(start, end - start));
                !code.empty())
                return code;
            start = end + 1;
        }
    }
    return LanguageOfLocaleName(locale);
}

std::vector<AudioTrack> ReadAudioTracks(const std::string& path) {
    std::vector<AudioTrack> tracks;
    LocalMedia media;
    if (OpenLocalMedia(path, media) != 0)
        return tracks;
    // Most containers name their streams in the header; MPEG program and
    // transport streams need a look at the packets.
    if (avformat_find_stream_info(media.get(), nullptr) < 0)
        return tracks;
    int number = 0;
    for (unsigned i = 0; i < media->nb_streams; ++i) {
        const AVStream* stream = media->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        AudioTrack track;
        track.number = number++;
        if (const AVDictionaryEntry* tag = av_dict_get(stream->metadata, "language", nullptr, 0))
            track.language = DvdLanguageCode(tag->value);
        tracks.push_back(track);
    }
    return tracks;
}

std::vector<AudioTrack> KeptAudioTracks(const MediaItem& item) {
    std::vector<AudioTrack> kept;
    for (const AudioTrack& track : item.audioTracks)
        if (track.kept && static_cast<int>(kept.size()) < kMaxDiscAudioTracks)
            kept.push_back(track);
    return kept;
}

int DiscAudioTrackCount(const MediaList& list) {
    int most = 1;
    for (const MediaItem& item : list)
        most = std::max(most, static_cast<int>(KeptAudioTracks(item).size()));
    return most;
}

std::string DescribeAudioTracks(const std::vector<AudioTrack>& tracks) {
    int count = 0;
    std::string languages;
    bool anyLanguage = false;
    for (const AudioTrack& track : tracks) {
        if (!track.kept)
            continue;
        ++count;
        languages += (languages.empty() ? "" : ", ") +
                     (track.language.empty() ? std::string("?") : track.language);
        anyLanguage = anyLanguage || !track.language.empty();
    }
    std::string text = std::to_string(count) + (count == 1 ? " track" : " tracks");
    return anyLanguage ? text + " (" + languages + ")" : text;
}
