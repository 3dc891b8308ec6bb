#include "media/MediaCheck.h"

#include <fstream>

extern "C" {
#include <libavformat/avformat.h>
}

#include "media/LocalMedia.h"
#include "platform/Files.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

namespace {

std::string AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

std::int32_t Clamp32(std::int64_t value) {
    return value < 0 ? 0 : value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value);
}

// True when the file starts like text: printable characters, tabs and line
// ends only (UTF-8 sequences count as printable). Reads at most 4 KiB.
bool LooksLikeText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char head[4096];
    file.read(head, sizeof head);
    const std::streamsize count = file.gcount();
    if (count <= 0)
        return false;
    for (std::streamsize i = 0; i < count; ++i) {
        const auto c = static_cast<unsigned char>(head[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            return false;
        if (c == 0x7f)
            return false;
    }
    return true;
}

const char* KindReason(platform::FileKind kind) {
    switch (kind) {
        case platform::FileKind::Missing:
            return QUORVA_TEXT("MediaCheck", "the file does not exist");
        case platform::FileKind::NoAccess:
            return QUORVA_TEXT("MediaCheck", "its folder cannot be opened (permission denied)");
        case platform::FileKind::Folder:
            return QUORVA_TEXT("MediaCheck", "it is a folder, not a video file");
        case platform::FileKind::Pipe:
            return QUORVA_TEXT("MediaCheck", "it is a pipe, not a video file");
        case platform::FileKind::Device:
            return QUORVA_TEXT("MediaCheck", "it is a device, not a video file");
        case platform::FileKind::Socket:
            return QUORVA_TEXT("MediaCheck", "it is a socket, not a video file");
        case platform::FileKind::Other:
            return QUORVA_TEXT("MediaCheck", "it is not a regular file");
        case platform::FileKind::Regular:
            break;
    }
    return "";
}

// The stream that holds the pictures of the video: cover pictures of sound
// files do not count.
AVStream* VideoStreamOf(AVFormatContext* format) {
    const int best = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (best >= 0 && !(format->streams[best]->disposition & AV_DISPOSITION_ATTACHED_PIC))
        return format->streams[best];
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        AVStream* stream = format->streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return stream;
    }
    return nullptr;
}

double PlayTime(const AVFormatContext* format, const AVStream* video) {
    if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
        return static_cast<double>(format->duration) / AV_TIME_BASE;
    if (video->duration != AV_NOPTS_VALUE && video->duration > 0)
        return static_cast<double>(video->duration) * av_q2d(video->time_base);
    return 0;
}

}  // namespace

VideoFileCheck CheckVideoFile(const std::string& path) {
    VideoFileCheck check;
    const platform::ReadableFile file = platform::InspectForReading(path);
    if (file.kind != platform::FileKind::Regular) {
        check.reason = Translate("MediaCheck", KindReason(file.kind));
        return check;
    }
    if (!file.readable) {
        check.reason = Translate("MediaCheck", "it cannot be read (permission denied)");
        return check;
    }
    if (file.size == 0) {
        check.reason = Translate("MediaCheck", "the file is empty");
        return check;
    }

    LocalMedia input;
    if (int e = OpenLocalMedia(path, input); e < 0) {
        check.reason =
            LooksLikeText(path)
                ? Translate("MediaCheck", "it is a text file, not a video")
                : FillIn(Translate("MediaCheck", "its format cannot be read as a video (%1)"),
                         {AvError(e)});
        return check;
    }
    if (int e = avformat_find_stream_info(input.get(), nullptr); e < 0) {
        check.reason =
            FillIn(Translate("MediaCheck", "its streams cannot be read (%1)"), {AvError(e)});
        return check;
    }
    AVStream* video = VideoStreamOf(input.get());
    if (video && video->codecpar->codec_id == AV_CODEC_ID_ANSI) {
        check.reason = Translate("MediaCheck", "it is a text file, not a video");
        return check;
    }
    if (!video) {
        check.reason = Translate("MediaCheck", "it has no video stream");
        return check;
    }
    const AVCodecParameters* codec = video->codecpar;
    if (!avcodec_find_decoder(codec->codec_id)) {
        check.reason = FillIn(Translate("MediaCheck", "its video (%1) cannot be decoded"),
                              {avcodec_get_name(codec->codec_id)});
        return check;
    }
    if (codec->width <= 0 || codec->height <= 0) {
        check.reason = Translate("MediaCheck", "its video has no picture size");
        return check;
    }
    const double duration = PlayTime(input.get(), video);
    if (duration <= 0) {
        check.reason = Translate("MediaCheck", "its play time is unknown");
        return check;
    }

    MediaInfo& info = check.info;
    info.width = codec->width;
    info.height = codec->height;
    const AVRational rate = av_guess_frame_rate(input.get(), video, nullptr);
    info.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
    info.videoBitRate = Clamp32(codec->bit_rate);
    const int sound =
        av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, video->index, nullptr, 0);
    if (sound >= 0) {
        const AVCodecParameters* audio = input->streams[sound]->codecpar;
        check.hasSound = avcodec_find_decoder(audio->codec_id) != nullptr;
        if (check.hasSound) {
            info.audioSampleRate = audio->sample_rate;
            info.audioBitRate = Clamp32(audio->bit_rate);
        }
    }
    if (info.videoBitRate == 0 && input->bit_rate > 0)
        info.videoBitRate = Clamp32(input->bit_rate - info.audioBitRate);
    info.duration = duration;
    return check;
}
