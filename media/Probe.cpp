#include "media/Probe.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "engines/CallLibraryEntry.h"
#include "engines/EngineLibraries.h"
#include "media/AudioTracks.h"
#include "media/MediaCheck.h"
#include "media/Pictures.h"
#include "media/SubtitleFinder.h"
#include "platform/DynamicLibrary.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"
#include "platform/Utf8.h"

using platform::FillIn;
using platform::Translate;

namespace {

constexpr int kThumbWidth = 128;
constexpr int kThumbHeight = 96;
// Every engine text holding a source path stays well inside its 4096 bytes.
constexpr std::size_t kMaxSourcePath = 1500;

}  // namespace

std::string FormatPlayTime(double x) {
    const long long s = static_cast<long long>(x);
    const long long h = s / 3600;
    const long long m = (s % 3600) / 60;
    const long long sec = s % 60;
    const long long ms = static_cast<long long>((x - static_cast<double>(s)) * 1000);
    std::string text;
    if (h != 0)
        text += std::to_string(h) + "h";
    if (m != 0)
        text += " " + std::to_string(m) + "m";
    else if (h != 0)
        text += "0m";
    char seconds[64];
    std::snprintf(seconds, sizeof seconds, " %lld.%03llds", sec, ms);
    return text + seconds;
}

std::string DescribeMedia(const std::string& sourcePath, const MediaInfo& info) {
    // The labels in the user's language, the figures as they are.
    char video[128];
    std::snprintf(video, sizeof video, "%dKBps %dx%d %.2ffps ", info.videoBitRate / 1000,
                  info.width, info.height, info.frameRate);
    std::string audio = Translate("MediaItem", "Audio: no sound");
    if (info.audioSampleRate > 0) {
        char figures[64];
        std::snprintf(figures, sizeof figures, "%dKBps %.2fKHz", info.audioBitRate / 1000,
                      info.audioSampleRate / 1000.0);
        audio = FillIn(Translate("MediaItem", "Audio: %1"), {figures});
    }
    return FillIn(Translate("MediaItem", "File: %1"), {sourcePath}) + "\n" +
           FillIn(Translate("MediaItem", "Video: %1"), {video}) + "\n" + audio + "\n" +
           FillIn(Translate("MediaItem", "Play time: %1"), {FormatPlayTime(info.duration)}) + "\n";
}

std::string MakeVobPath(const std::string& workingFolder, int number,
                        const std::string& sourcePath) {
    std::string stem = platform::FileNameOf(sourcePath);
    std::string extension;
    if (auto dot = stem.find('.'); dot != std::string::npos) {
        stem.resize(dot);
        extension = ".vob";
    }
    const std::string prefix = std::to_string(number) + "_";
    // The job adds its own endings to the stream's name while it works.
    constexpr std::int64_t kJobSuffixBytes = 40;
    const std::int64_t budget = platform::MaxNameBytes(workingFolder) - kJobSuffixBytes -
                                static_cast<std::int64_t>(prefix.size() + extension.size());
    // Bytes that are not UTF-8 become '_', and the name is cut between
    // characters: the authoring tools take UTF-8 names only.
    std::string name;
    for (std::size_t at = 0; at < stem.size();) {
        const std::size_t length = platform::Utf8SequenceLength(stem, at);
        const std::size_t taken = length == 0 ? 1 : length;
        if (static_cast<std::int64_t>(name.size() + taken) > budget)
            break;
        name += length == 0 ? std::string("_") : stem.substr(at, length);
        at += taken;
    }
    return workingFolder + prefix + name + extension;
}

ProbeResult RefusedFile(const std::string& sourcePath, const std::string& reason) {
    ProbeResult result;
    result.reason = reason;
    result.error = FillIn(Translate("MediaCheck", "Cannot use %1: %2."), {sourcePath, reason});
    return result;
}

ProbeResult ReadMediaFile(const std::string& sourcePath, const std::string& programFolder) {
    auto refuse = [&](const std::string& reason) { return RefusedFile(sourcePath, reason); };
    if (sourcePath.find('*') != std::string::npos)
        return refuse(
            Translate("MediaCheck",
                      "its name contains '*', which Quorva cannot pass to its encoder; rename the "
                      "file and add it again"));
    if (sourcePath.size() > kMaxSourcePath)
        return refuse(Translate("MediaCheck", "its path is too long for Quorva's encoder"));
    if (VideoFileCheck check = CheckVideoFile(sourcePath); !check.ok())
        return refuse(check.reason);

    // The thumbnail and the engine's scratch output are temp files.
    platform::Result<std::string> thumbnail = platform::MakeTempFile("~qor");
    platform::Result<std::string> scratchFile =
        thumbnail ? platform::MakeTempFile("~qor")
                  : platform::Result<std::string>(thumbnail.failure());
    if (!scratchFile) {
        std::string why = scratchFile.error();
        std::replace(why.begin(), why.end(), '\n', ' ');
        return refuse(FillIn(
            Translate("MediaCheck", "Quorva cannot make a temporary file to read it in (%1)"),
            {why}));
    }

    ProbeResult result;
    MediaItem& item = result.item;
    item.sourcePath = sourcePath;
    const std::string engine = LocateEngineLibraries(programFolder).engine;
    // Loaded once for both calls.
    const platform::DynamicLibrary engineKept(engine);
    item.thumbnailPath = *thumbnail + ".jpg";
    char text[4096];
    std::snprintf(text, sizeof text,
                  "xencoder.dll*%s*-ss*5*-frames*1*-of*rawvideo*-ovc*lavc*-lavcopts*vcodec=mjpeg*"
                  "-nosound*-vf*scale=%d:%d*-o*%s",
                  sourcePath.c_str(), kThumbWidth, kThumbHeight, item.thumbnailPath.c_str());
    CallLibraryEntry(engine, "me_start", text, true);
    result.thumbnail = LoadPicture(item.thumbnailPath);

    const std::string& scratch = *scratchFile;
    MediaInfo info{};  // zero when the engine cannot fill it
    std::snprintf(text, sizeof text,
                  "xengine.dll*-ovc*xvid*-xvidencopts*bitrate=1500*-vf*scale=368:208,harddup*"
                  "-ofps*30000/1001*-oac*mp3lame*-lameopts*br=384:vol=6*-af*lavcresample=32000*"
                  "-ffourcc*DivX*%s*-o*%s*-media-info*%lld",
                  sourcePath.c_str(), scratch.c_str(),
                  static_cast<long long>(reinterpret_cast<std::intptr_t>(&info)));
    int facts = -1;
    CallLibraryEntry(engine, "me_start", text, true, &facts);
    if (facts != 0 || info.duration <= 0 || info.width <= 0)
        return refuse(Translate("MediaCheck", "the encoding engine cannot read it"));
    item.info = info;
    item.audioTracks = ReadAudioTracks(sourcePath);
    item.subtitles = FindSubtitleTracks(sourcePath);
    return result;
}

void NameMediaItem(MediaItem& item, const std::string& workingFolder, int number) {
    item.vobPath = MakeVobPath(workingFolder, number, item.sourcePath);
    item.infoText = DescribeMedia(item.sourcePath, item.info);
}
