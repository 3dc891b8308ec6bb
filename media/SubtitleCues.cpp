#include "media/SubtitleCues.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include <QRect>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <set>

#include "media/TextEncoding.h"
#include "platform/Files.h"
#include "platform/Translation.h"

namespace {

// Subtitle files are small; one this large is not one.
constexpr std::int64_t kLargestTextFile = std::int64_t{64} * 1024 * 1024;
// How long a cue without an end of its own stays, at most.
constexpr double kOpenCueSeconds = 5.0;

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SubtitleFreer {
    void operator()(AVSubtitle* s) const {
        avsubtitle_free(s);
        delete s;
    }
};

std::string AvText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

platform::Failure Unreadable(const SubtitleTrack& track, const std::string& why) {
    using platform::FillIn;
    using platform::Translate;
    return {
        track.stream < 0
            ? FillIn(Translate("SubtitleCues", "The subtitle file %1 can't be read: %2"),
                     {track.file, why})
            : FillIn(Translate("SubtitleCues", "The subtitle stream %1 of %2 can't be read: %3"),
                     {std::to_string(track.stream), track.file, why})};
}

QImage BitmapOf(const AVSubtitleRect& rect) {
    QImage picture(rect.w, rect.h, QImage::Format_ARGB32);
    const auto* palette = reinterpret_cast<const std::uint32_t*>(rect.data[1]);
    for (int y = 0; y < rect.h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const std::uint8_t* indices =
            rect.data[0] + static_cast<std::ptrdiff_t>(y) * rect.linesize[0];
        for (int x = 0; x < rect.w; ++x)
            line[x] = palette[indices[x]];  // both native 0xAARRGGBB
    }
    return picture;
}

// Text cues that overlap become one cue per stretch in which the same cues
// show; bitmap cues are cut where the next begins.
std::vector<SubtitleCue> WithoutOverlaps(std::vector<SubtitleCue> cues) {
    std::stable_sort(cues.begin(), cues.end(),
                     [](const SubtitleCue& a, const SubtitleCue& b) { return a.start < b.start; });
    std::vector<SubtitleCue> bitmaps;
    std::vector<SubtitleCue> texts;
    for (SubtitleCue& cue : cues)
        (cue.picture.isNull() ? texts : bitmaps).push_back(std::move(cue));
    for (std::size_t i = 0; i + 1 < bitmaps.size(); ++i)
        bitmaps[i].end = std::min(bitmaps[i].end, bitmaps[i + 1].start);

    std::set<double> edges;
    for (const SubtitleCue& cue : texts) {
        edges.insert(cue.start);
        edges.insert(cue.end);
    }
    std::vector<SubtitleCue> merged;
    for (auto edge = edges.begin(); edge != edges.end() && std::next(edge) != edges.end(); ++edge) {
        const double from = *edge;
        const double to = *std::next(edge);
        SubtitleCue stretch;
        stretch.start = from;
        stretch.end = to;
        for (const SubtitleCue& cue : texts) {
            if (cue.start <= from && cue.end >= to) {
                if (!stretch.text.empty())
                    stretch.text += '\n';
                stretch.text += cue.text;
                stretch.forced = stretch.forced || cue.forced;
            }
        }
        if (stretch.text.empty())
            continue;
        // The same lines on both sides of an edge stay one cue.
        if (!merged.empty() && merged.back().end == from && merged.back().text == stretch.text &&
            merged.back().forced == stretch.forced)
            merged.back().end = to;
        else
            merged.push_back(std::move(stretch));
    }
    for (SubtitleCue& cue : bitmaps)
        if (cue.end > cue.start)
            merged.push_back(std::move(cue));
    std::stable_sort(merged.begin(), merged.end(),
                     [](const SubtitleCue& a, const SubtitleCue& b) { return a.start < b.start; });
    return merged;
}

}  // namespace

std::string PlainCueText(const std::string& dialogue) {
    std::size_t at = 0;
    for (int comma = 0; comma < 8 && at != std::string::npos; ++comma) {
        at = dialogue.find(',', at);
        if (at != std::string::npos)
            ++at;
    }
    const std::string text = at == std::string::npos ? dialogue : dialogue.substr(at);
    std::string plain;
    bool drawing = false;  // "{\p1}" starts vector drawing commands, "{\p0}" ends them
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {
            const std::size_t close = text.find('}', i);
            if (close != std::string::npos) {
                const std::string block = text.substr(i, close - i);
                for (std::size_t p = block.find("\\p"); p != std::string::npos;
                     p = block.find("\\p", p + 2))
                    if (p + 2 < block.size() &&
                        std::isdigit(static_cast<unsigned char>(block[p + 2])))
                        drawing = block[p + 2] != '0';
                i = close;
                continue;
            }
        }
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'N' || next == 'n') {
                plain += '\n';
                ++i;
                continue;
            }
            if (next == 'h') {
                plain += ' ';
                ++i;
                continue;
            }
        }
        if (!drawing)
            plain += text[i];
    }
    // No empty lines at either end.
    while (!plain.empty() && (plain.back() == '\n' || plain.back() == ' ' || plain.back() == '\r'))
        plain.pop_back();
    std::size_t first = plain.find_first_not_of("\n\r ");
    return first == std::string::npos ? std::string() : plain.substr(first);
}

platform::Result<std::vector<SubtitleCue>> ReadSubtitleCues(const SubtitleTrack& track,
                                                            const std::function<bool()>& stop) {
    const bool beside = track.stream < 0;
    AVDictionary* decoderOptions = nullptr;
    if (beside) {
        const std::int64_t size = platform::FileSize(track.file);
        if (size > kLargestTextFile)
            return Unreadable(
                track, platform::Translate("SubtitleCues", "it is too large for a subtitle file."));
        const std::optional<std::string> bytes = platform::ReadFile(track.file);
        if (!bytes)
            return Unreadable(track, std::string(std::strerror(errno)) + ".");
        const std::optional<std::string> encoding = GuessTextEncoding(*bytes);
        if (!encoding)
            return Unreadable(
                track, platform::Translate(
                           "SubtitleCues",
                           "its text is neither UTF-8 nor in a code page that can be told."));
        if (!encoding->empty())
            av_dict_set(&decoderOptions, "sub_charenc", encoding->c_str(), 0);
    }
    std::unique_ptr<AVDictionary*, void (*)(AVDictionary**)> options(&decoderOptions, av_dict_free);

    AVFormatContext* opened = nullptr;
    if (const int code = avformat_open_input(&opened, track.file.c_str(), nullptr, nullptr);
        code < 0)
        return Unreadable(track, AvText(code) + ".");
    std::unique_ptr<AVFormatContext, FormatCloser> format(opened);
    if (const int code = avformat_find_stream_info(format.get(), nullptr); code < 0)
        return Unreadable(track, AvText(code) + ".");
    int index = track.stream;
    if (beside)
        index = av_find_best_stream(format.get(), AVMEDIA_TYPE_SUBTITLE, -1, -1, nullptr, 0);
    if (index < 0 || index >= static_cast<int>(format->nb_streams) ||
        format->streams[index]->codecpar->codec_type != AVMEDIA_TYPE_SUBTITLE)
        return Unreadable(track, platform::Translate("SubtitleCues", "it holds no subtitles."));
    AVStream* stream = format->streams[index];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return Unreadable(track,
                          platform::Translate("SubtitleCues", "its subtitle format is not known."));
    std::unique_ptr<AVCodecContext, CodecFreer> decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0)
        return Unreadable(track, platform::Translate("SubtitleCues", "out of memory."));
    decoder->pkt_timebase = stream->time_base;
    if (const int code = avcodec_open2(decoder.get(), codec, options.get()); code < 0)
        return Unreadable(track, AvText(code) + ".");

    // A bitmap's canvas is the size its stream gives, else the video's.
    QSize canvas(decoder->width, decoder->height);
    if (canvas.isEmpty()) {
        const int video = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (video >= 0)
            canvas = QSize(format->streams[video]->codecpar->width,
                           format->streams[video]->codecpar->height);
    }
    for (unsigned i = 0; i < format->nb_streams; ++i)
        format->streams[i]->discard =
            static_cast<int>(i) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    // Times count from the start of the video, as its converted stream does.
    const double offset = !beside && format->start_time != AV_NOPTS_VALUE
                              ? static_cast<double>(format->start_time) / AV_TIME_BASE
                              : 0.0;
    const double timeBase = av_q2d(stream->time_base);

    std::vector<SubtitleCue> cues;
    std::vector<std::size_t> open;  // cues still waiting for an end
    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    while (true) {
        if (stop && stop())
            return platform::Failure{"stopped"};
        const int read = av_read_frame(format.get(), packet.get());
        if (read == AVERROR_EOF)
            break;
        if (read < 0)
            return Unreadable(track, AvText(read) + ".");
        std::unique_ptr<AVPacket, void (*)(AVPacket*)> unref(packet.get(), av_packet_unref);
        if (packet->stream_index != index || packet->pts == AV_NOPTS_VALUE)
            continue;
        std::unique_ptr<AVSubtitle, SubtitleFreer> subtitle(new AVSubtitle{});
        int got = 0;
        const int used =
            avcodec_decode_subtitle2(decoder.get(), subtitle.get(), &got, packet.get());
        if (used < 0) {
            if (!track.bitmap)
                return Unreadable(
                    track,
                    platform::FillIn(platform::Translate("SubtitleCues",
                                                         "a subtitle in it can't be decoded (%1)."),
                                     {AvText(used)}));
            continue;  // a damaged picture is left out
        }
        if (!got)
            continue;
        const double at = static_cast<double>(packet->pts) * timeBase - offset;
        const double start = at + subtitle->start_display_time / 1000.0;
        double end = std::numeric_limits<double>::infinity();
        if (packet->duration > 0)
            end = at + static_cast<double>(packet->duration) * timeBase;
        else if (subtitle->end_display_time > subtitle->start_display_time &&
                 subtitle->end_display_time != std::numeric_limits<std::uint32_t>::max())
            end = at + subtitle->end_display_time / 1000.0;
        // Whatever shows without an end gives way to what comes next.
        for (std::size_t i : open)
            cues[i].end = std::min(start, cues[i].start + kOpenCueSeconds);
        open.clear();

        SubtitleCue cue;
        cue.start = start;
        cue.end = end;
        cue.forced = track.forced;
        QImage picture;
        QRect covered;
        for (unsigned r = 0; r < subtitle->num_rects; ++r) {
            const AVSubtitleRect& rect = *subtitle->rects[r];
            cue.forced = cue.forced || (rect.flags & AV_SUBTITLE_FLAG_FORCED);
            if (rect.type == SUBTITLE_BITMAP && rect.w > 0 && rect.h > 0 && rect.data[0])
                covered |= QRect(rect.x, rect.y, rect.w, rect.h);
            else if (rect.type == SUBTITLE_ASS && rect.ass)
                cue.text += (cue.text.empty() ? "" : "\n") + PlainCueText(rect.ass);
            else if (rect.type == SUBTITLE_TEXT && rect.text)
                cue.text += (cue.text.empty() ? "" : "\n") + std::string(rect.text);
        }
        if (!covered.isEmpty()) {
            picture = QImage(covered.size(), QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
            for (unsigned r = 0; r < subtitle->num_rects; ++r) {
                const AVSubtitleRect& rect = *subtitle->rects[r];
                if (rect.type != SUBTITLE_BITMAP || rect.w <= 0 || rect.h <= 0 || !rect.data[0])
                    continue;
                const QImage part = BitmapOf(rect);
                for (int y = 0; y < rect.h; ++y)
                    std::memcpy(picture.scanLine(rect.y - covered.y() + y) +
                                    static_cast<std::ptrdiff_t>(rect.x - covered.x()) * 4,
                                part.constScanLine(y), static_cast<std::size_t>(rect.w) * 4);
            }
            // Kept with its palette: a film's worth of pictures stays small.
            cue.picture = picture.convertToFormat(QImage::Format_Indexed8);
            cue.at = covered.topLeft();
            cue.canvas = canvas.isEmpty() ? QSize(720, 576) : canvas;
            canvas = cue.canvas;
        }
        if (cue.picture.isNull() && cue.text.empty())
            continue;  // an empty display: it only ended the cue before
        if (!std::isfinite(cue.end))
            open.push_back(cues.size());
        cues.push_back(std::move(cue));
    }
    for (std::size_t i : open)
        cues[i].end = cues[i].start + kOpenCueSeconds;
    std::vector<SubtitleCue> shown = WithoutOverlaps(std::move(cues));
    // A stream inside a video may well show nothing; a file that does is
    // not a subtitle file.
    if (shown.empty() && beside)
        return Unreadable(track, platform::Translate("SubtitleCues", "it holds no subtitles."));
    return shown;
}
