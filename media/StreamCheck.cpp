#include "media/StreamCheck.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "media/AudioTracks.h"
#include "media/LocalMedia.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace {

using platform::FillIn;

// Why a stream is not ready, in the user's language.
platform::Failure Why(const char* text, std::initializer_list<std::string> args = {}) {
    return platform::Fail(FillIn(platform::Translate("StreamCheck", text), args));
}

constexpr std::size_t kPackSize = 2048;
// A window of one second may hold the decoder buffer's worth above the rate.
constexpr double kPeakAllowance = 1'835'008;

bool HasVobExtension(const std::string& path) {
    std::string name = platform::FileNameOf(path);
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".vob";
}

std::string Mbits(double bitsPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f Mbit/s", bitsPerSecond / 1e6);
    return text;
}

// The pack layer as a DVD player reads it: MPEG-2 packs of 2048 bytes, the
// first a navigation pack (system header, then the PCI and DSI packets of
// private stream 2), none announcing more than 10.08 Mbit/s.
platform::Result<void> CheckPacks(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return Why(QUORVA_TEXT("StreamCheck", "it cannot be read"));
    unsigned char pack[kPackSize];
    std::size_t packs = 0;
    std::size_t navigationPacks = 0;
    for (;;) {
        file.read(reinterpret_cast<char*>(pack), kPackSize);
        const std::size_t got = static_cast<std::size_t>(file.gcount());
        if (got < kPackSize) {
            // Only the program end code may follow the last pack.
            if (got != 0 &&
                !(got == 4 && pack[0] == 0 && pack[1] == 0 && pack[2] == 1 && pack[3] == 0xB9))
                return Why(QUORVA_TEXT("StreamCheck", "it does not consist of 2048-byte packs"));
            break;
        }
        if (pack[0] != 0 || pack[1] != 0 || pack[2] != 1 || pack[3] != 0xBA ||
            (pack[4] & 0xC0) != 0x40)
            return Why(QUORVA_TEXT("StreamCheck", "it does not consist of 2048-byte MPEG-2 packs"));
        const unsigned muxRate = (pack[10] << 14) | (pack[11] << 6) | (pack[12] >> 2);
        if (muxRate * 400.0 > kDvdMaxMuxRate)
            return Why(QUORVA_TEXT("StreamCheck", "its packs announce %1, more than a DVD allows"),
                       {Mbits(muxRate * 400.0)});
        const std::size_t header = 14 + (pack[13] & 7);
        const bool navigation = header == 14 && pack[14] == 0 && pack[15] == 0 && pack[16] == 1 &&
                                pack[17] == 0xBB && pack[38] == 0 && pack[39] == 0 &&
                                pack[40] == 1 && pack[41] == 0xBF;
        if (packs == 0 && !navigation)
            return Why(QUORVA_TEXT("StreamCheck", "it has no DVD navigation packs"));
        navigationPacks += navigation;
        ++packs;
    }
    if (packs == 0 || navigationPacks == 0)
        return Why(QUORVA_TEXT("StreamCheck", "it has no DVD navigation packs"));
    return {};
}

bool SameRate(AVRational rate, int num, int den) {
    return rate.num > 0 && rate.den > 0 &&
           static_cast<long long>(rate.num) * den == static_cast<long long>(rate.den) * num;
}

platform::Result<void> CheckVideo(const AVStream* stream, const DvdStreamFacts& wanted) {
    const AVCodecParameters* codec = stream->codecpar;
    if (codec->codec_id != AV_CODEC_ID_MPEG2VIDEO)
        return Why(QUORVA_TEXT("StreamCheck", "its video is %1, not MPEG-2"),
                   {avcodec_get_name(codec->codec_id)});
    if (codec->profile != FF_PROFILE_MPEG2_MAIN)
        return Why(QUORVA_TEXT("StreamCheck", "its MPEG-2 video is not of the Main profile"));
    if (codec->format != AV_PIX_FMT_YUV420P)
        return Why(QUORVA_TEXT("StreamCheck", "its video is not 4:2:0"));
    if (codec->width != wanted.width || codec->height != wanted.height)
        return Why(QUORVA_TEXT("StreamCheck", "its frame size %1x%2 differs from the disc's"),
                   {std::to_string(codec->width), std::to_string(codec->height)});
    if (!SameRate(stream->r_frame_rate, wanted.fpsNum, wanted.fpsDen))
        return Why(QUORVA_TEXT("StreamCheck", "its frame rate differs from the disc's"));
    const AVRational sar = codec->sample_aspect_ratio;
    const double aspect =
        sar.num > 0 && sar.den > 0 ? av_q2d(sar) * codec->width / codec->height : 0;
    const double disc = static_cast<double>(wanted.aspectNum) / wanted.aspectDen;
    if (std::fabs(aspect - disc) > disc * 0.01)
        return Why(QUORVA_TEXT("StreamCheck", "its display aspect differs from the disc's %1:%2"),
                   {std::to_string(wanted.aspectNum), std::to_string(wanted.aspectDen)});
    std::int64_t declared = codec->bit_rate;
    size_t size = 0;
    if (const auto* cpb = reinterpret_cast<const AVCPBProperties*>(
            av_stream_get_side_data(stream, AV_PKT_DATA_CPB_PROPERTIES, &size));
        cpb && size >= sizeof(AVCPBProperties))
        declared = std::max<std::int64_t>(declared, cpb->max_bitrate);
    if (declared > kDvdMaxVideoBitRate)
        return Why(QUORVA_TEXT("StreamCheck", "its video declares %1, more than a DVD allows"),
                   {Mbits(static_cast<double>(declared))});
    return {};
}

platform::Result<void> CheckAudio(const AVCodecParameters* codec) {
    if (codec->codec_id != AV_CODEC_ID_AC3 || codec->sample_rate != 48000 ||
        codec->ch_layout.nb_channels != 2)
        return Why(QUORVA_TEXT("StreamCheck",
                               "its sound is not 48 kHz stereo AC-3 like the disc's other titles"));
    return {};
}

// The most pictures a group may hold on a disc, so that a navigation unit
// lasts no longer than about half a second: 15 at 25 pictures a second, 18
// at the NTSC rate.
int LongestGroup(const DvdStreamFacts& disc) {
    return disc.fpsNum == 25 * disc.fpsDen ? 15 : 18;
}

// Reads every packet (nothing is decoded) for the video's average and peak
// rates over one-second windows and the length of its picture groups.
platform::Result<void> CheckRates(AVFormatContext* input, const AVStream* video,
                                  std::int64_t fileSize, const DvdStreamFacts& wanted) {
    const std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(
        av_packet_alloc(), [](AVPacket* p) { av_packet_free(&p); });
    if (!packet)
        return Why(QUORVA_TEXT("StreamCheck", "out of memory"));
    std::map<std::int64_t, double> bitsPerSecond;
    double videoBits = 0;
    double first = NAN;
    double last = NAN;
    int group = 0;
    int longestGroup = 0;
    while (av_read_frame(input, packet.get()) >= 0) {
        if (packet->stream_index == video->index) {
            group = (packet->flags & AV_PKT_FLAG_KEY) ? 1 : group + 1;
            longestGroup = std::max(longestGroup, group);
            const std::int64_t ts = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
            if (ts != AV_NOPTS_VALUE) {
                const double at = ts * av_q2d(video->time_base);
                first = std::isnan(first) ? at : std::min(first, at);
                last = std::isnan(last) ? at : std::max(last, at);
                bitsPerSecond[static_cast<std::int64_t>(std::floor(at))] += packet->size * 8.0;
            }
            videoBits += packet->size * 8.0;
        }
        av_packet_unref(packet.get());
    }
    const double frame = av_q2d(av_inv_q(video->r_frame_rate));
    const double seconds = std::isnan(first) ? 0 : last - first + frame;
    if (seconds <= 0)
        return Why(QUORVA_TEXT("StreamCheck", "its video has no timestamps"));
    if (videoBits / seconds > kDvdMaxVideoBitRate)
        return Why(QUORVA_TEXT("StreamCheck", "its video averages %1, more than a DVD allows"),
                   {Mbits(videoBits / seconds)});
    for (const auto& [second, bits] : bitsPerSecond)
        if (bits > kDvdMaxVideoBitRate + kPeakAllowance)
            return Why(QUORVA_TEXT("StreamCheck", "its video reaches %1, more than a DVD allows"),
                       {Mbits(bits)});
    if (seconds >= 1 && fileSize * 8.0 / seconds > kDvdMaxMuxRate * 1.02)
        return Why(QUORVA_TEXT("StreamCheck", "it averages %1, more than a DVD allows"),
                   {Mbits(fileSize * 8.0 / seconds)});
    if (longestGroup > LongestGroup(wanted))
        return Why(QUORVA_TEXT("StreamCheck",
                               "its picture groups hold up to %1 pictures, more than the %2 a DVD "
                               "navigation unit takes"),
                   {std::to_string(longestGroup), std::to_string(LongestGroup(wanted))});
    return {};
}

LocalMedia OpenLocal(const std::string& path) {
    LocalMedia input;
    if (OpenLocalMedia(path, input) == 0 && avformat_find_stream_info(input.get(), nullptr) < 0)
        input.reset();
    return input;
}

platform::Result<void> CheckReadiness(const std::string& path, const DvdStreamFacts& wanted) {
    if (!HasVobExtension(path))
        return Why(QUORVA_TEXT("StreamCheck", "it is not a .vob file"));
    if (platform::Result<void> packs = CheckPacks(path); !packs)
        return packs;
    const auto input = OpenLocal(path);
    if (!input || std::string(input->iformat->name).find("mpeg") == std::string::npos)
        return Why(QUORVA_TEXT("StreamCheck", "it is not an MPEG program stream"));

    const AVStream* video = nullptr;
    int audioStreams = 0;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        const AVCodecParameters* codec = stream->codecpar;
        if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
            if (video)
                return Why(QUORVA_TEXT("StreamCheck", "it has more than one video stream"));
            video = stream;
            if (platform::Result<void> fits = CheckVideo(stream, wanted); !fits)
                return fits;
        } else if (codec->codec_type == AVMEDIA_TYPE_AUDIO) {
            // The tracks are numbered as the file lists them; a disc's
            // stream table numbers them by their sub-stream, 0x80 on.
            if (stream->id != 0x80 + audioStreams++ || audioStreams > kMaxDiscAudioTracks)
                return Why(
                    QUORVA_TEXT("StreamCheck", "its sound streams are not numbered as a disc's"));
            if (platform::Result<void> fits = CheckAudio(codec); !fits)
                return fits;
        } else if (codec->codec_type != AVMEDIA_TYPE_DATA) {
            return Why(QUORVA_TEXT("StreamCheck",
                                   "it carries streams other than one picture and one sound"));
        }
    }
    if (!video)
        return Why(QUORVA_TEXT("StreamCheck", "it has no video stream"));
    if (audioStreams == 0)
        return Why(QUORVA_TEXT("StreamCheck", "it has no sound"));
    std::int64_t fileSize = avio_size(input->pb);
    return CheckRates(input.get(), video, fileSize, wanted);
}

}  // namespace

platform::Result<void> IsReadyDvdStream(const std::string& path, const DvdStreamFacts& wanted) {
    return CheckReadiness(path, wanted);
}

double ProgramStreamSeconds(const std::string& path) {
    const auto input = OpenLocal(path);
    if (!input || input->duration == AV_NOPTS_VALUE || input->duration < 0)
        return -1;
    return static_cast<double>(input->duration) / AV_TIME_BASE;
}
