#include "media/SubtitleFinder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <memory>

#include "media/LanguageCode.h"
#include "media/SubtitleCues.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string StemOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};

SubtitleTracks StreamsInside(const std::string& videoPath) {
    SubtitleTracks tracks;
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, videoPath.c_str(), nullptr, nullptr) < 0)
        return tracks;
    std::unique_ptr<AVFormatContext, FormatCloser> format(opened);
    if (avformat_find_stream_info(format.get(), nullptr) < 0)
        return tracks;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* stream = format->streams[i];
        const AVCodecParameters* codec = stream->codecpar;
        // Streams FFmpeg cannot decode (teletext without its library, say)
        // cannot become pictures.
        if (codec->codec_type != AVMEDIA_TYPE_SUBTITLE || !avcodec_find_decoder(codec->codec_id))
            continue;
        const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec->codec_id);
        SubtitleTrack track;
        track.file = videoPath;
        track.stream = static_cast<int>(i);
        track.format = descriptor ? descriptor->name : "";
        track.bitmap = descriptor && (descriptor->props & AV_CODEC_PROP_BITMAP_SUB);
        track.forced = stream->disposition & AV_DISPOSITION_FORCED;
        if (const AVDictionaryEntry* tag = av_dict_get(stream->metadata, "language", nullptr, 0))
            track.language = DvdLanguageCode(tag->value);
        tracks.push_back(track);
    }
    return tracks;
}

}  // namespace

bool SidecarSubtitleName(const std::string& videoName, const std::string& name,
                         std::string& language, bool& forced) {
    language.clear();
    forced = false;
    const std::string stem = StemOf(videoName) + ".";
    const std::string lower = Lower(name);
    if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0)
        return false;
    static const char* const kEndings[] = {".srt", ".ass", ".ssa", ".vtt"};
    const auto ending = std::find_if(std::begin(kEndings), std::end(kEndings), [&](const char* e) {
        return lower.size() >= std::strlen(e) &&
               lower.compare(lower.size() - std::strlen(e), std::string::npos, e) == 0;
    });
    if (ending == std::end(kEndings))
        return false;
    // Between the video's name and the ending: nothing, or a language and
    // marks; any other part names another video's file ("film.part2.srt").
    std::string middle =
        lower.substr(stem.size() - 1, lower.size() - std::strlen(*ending) - (stem.size() - 1));
    std::size_t at = 0;
    while (at < middle.size()) {
        const std::size_t next = middle.find('.', at + 1);
        const std::string part =
            middle.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        at = next == std::string::npos ? middle.size() : next;
        if (part == "forced") {
            forced = true;
        } else if (part == "sdh" || part == "cc" || part == "hi") {
        } else if (const std::string code = DvdLanguageCode(part);
                   !code.empty() && language.empty()) {
            language = code;
        } else {
            return false;
        }
    }
    return true;
}

SubtitleTracks FindSubtitleTracks(const std::string& videoPath) {
    SubtitleTracks tracks = StreamsInside(videoPath);
    const std::string folder = platform::FolderOf(videoPath);
    const std::string videoName = platform::FileNameOf(videoPath);
    std::vector<std::string> names = platform::ListFolder(folder);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        SubtitleTrack track;
        if (name == videoName ||
            !SidecarSubtitleName(videoName, name, track.language, track.forced))
            continue;
        track.file = folder + name;
        if (!platform::IsRegularFile(track.file))
            continue;
        const std::string ending = Lower(name.substr(name.rfind('.') + 1));
        track.format = ending == "srt" ? "subrip" : ending == "vtt" ? "webvtt" : "ass";
        if (auto cues = ReadSubtitleCues(track); !cues)
            track.problem = cues.error();
        tracks.push_back(track);
    }
    if (tracks.size() > kMaxSubtitleStreams)
        tracks.resize(kMaxSubtitleStreams);
    return tracks;
}
