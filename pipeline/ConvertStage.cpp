#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/MadeFiles.h"
#include "media/StreamCheck.h"
#include "pipeline/EngineCall.h"
#include "pipeline/Stages.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Utf8.h"

namespace {

// The encoder options of a conversion, by TV standard (NTSC, PAL); they
// differ only in the GOP length.
const char* const kEncodingTemplates[2] = {
    "-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=(video-resolution),harddup*"
    "-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:vrc_buf_size=1835:"
    "vrc_maxrate=(video-bitrate):vbitrate=(video-bitrate):keyint=18:vstrict=0:acodec=ac3:"
    "abitrate=192:aspect=(video-aspect-ratio)*-ofps*(video-fps)",
    "-oac*lavc*-ovc*lavc*-of*mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=(video-resolution),harddup*"
    "-srate*48000*-af*lavcresample=48000*-lavcopts*vcodec=mpeg2video:vrc_buf_size=1835:"
    "vrc_maxrate=(video-bitrate):vbitrate=(video-bitrate):keyint=15:vstrict=0:acodec=ac3:"
    "abitrate=192:aspect=(video-aspect-ratio)*-ofps*(video-fps)",
};

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

std::string Pair(int a, const char* separator, int b) {
    return std::to_string(a) + separator + std::to_string(b);
}

// Beside each finished stream: what it was made from.
std::string StreamOriginPath(const std::string& streamPath) {
    return streamPath + ".src";
}

// The source (path, size, modification time) and the encoder options of a
// conversion.
std::string StreamOrigin(const std::string& source, const std::string& options) {
    const auto stamp = platform::StampOf(source);
    if (!stamp)
        return {};
    return "source " + source + "\nsize " + std::to_string(stamp->size) + "\nmodified " +
           std::to_string(stamp->modifiedNs) + "\noptions " + options + "\n";
}

bool IsStreamOf(const std::string& streamPath, const std::string& source,
                const std::string& options) {
    const std::string origin = StreamOrigin(source, options);
    return !origin.empty() && platform::ReadOwnFile(StreamOriginPath(streamPath)) == origin;
}

// The same stream name with another running number in front.
std::string RenumberedStreamPath(const std::string& streamPath, int number) {
    std::string name = platform::FileNameOf(streamPath);
    std::size_t digits = 0;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits])))
        ++digits;
    if (digits > 0 && digits < name.size() && name[digits] == '_')
        name.erase(0, digits + 1);
    return platform::FolderOf(streamPath) + std::to_string(number) + "_" + name;
}

// A stream much shorter or longer than the video was probed to be means that
// the source changed or was cut short while it was read: such a title would
// silently lack part of the video.
std::string CheckConvertedLength(const std::string& stream, double probedSeconds) {
    constexpr double kTolerance = 2.0;
    if (probedSeconds <= 0)
        return {};
    const double seconds = ProgramStreamSeconds(stream);
    if (seconds >= 0 && std::fabs(seconds - probedSeconds) <= kTolerance)
        return {};
    char text[200];
    std::snprintf(text, sizeof text,
                  "the converted stream lasts %.1f s, but the video was found to last %.1f s "
                  "when it was added; it may have changed or been cut short since.",
                  seconds < 0 ? 0.0 : seconds, probedSeconds);
    return text;
}

}  // namespace

std::string BuildEncodingOptions(const JobParameters& params) {
    std::string options = kEncodingTemplates[params.tvStandard == 1 ? 1 : 0];
    ReplaceAll(options, "(video-fps)", Pair(params.fpsNum, "/", params.fpsDen));
    ReplaceAll(options, "(video-resolution)", Pair(params.width, ":", params.height));
    ReplaceAll(options, "(video-aspect-ratio)", Pair(params.aspectNum, "/", params.aspectDen));
    ReplaceAll(options, "(video-bitrate)", std::to_string(params.videoBitRate));
    // Keeping the picture's proportions is the engine's default.
    if (params.stretchToFill)
        options += "*-nokeepaspect";
    return options;
}

std::string BuildConvertCommand(const std::string& options, const std::string& source,
                                const std::string& output, const ProgressLink* link) {
    return "x*" + options + "*" + source + "*-o*" + output + "*-convert-status*" +
           std::to_string(reinterpret_cast<std::intptr_t>(link));
}

StageOutcome ConvertOneItem(AuthoringJob& job, const JobParameters& params, MediaItem& item) {
    if (!platform::IsRegularFile(item.sourcePath)) {
        ReportFailure(job, "Can't convert " + item.sourcePath + ": the file no longer exists.");
        return StageOutcome::Failed;
    }
    const std::string options = BuildEncodingOptions(params);
    const std::string folder = platform::FolderOf(item.vobPath);
    const std::string name = platform::FileNameOf(item.vobPath);
    const std::string partial = PartialStreamPath(item.vobPath);
    const std::string origin = StreamOriginPath(item.vobPath);
    // Listed before they exist, so that clearing the working folder finds
    // them even after a crash.
    NoteMadeFiles(folder, {platform::FileNameOf(partial), name, platform::FileNameOf(origin)});
    // The engine writes the partial stream and renames it when complete; the
    // lock tells other runs that it is not a leftover.
    platform::FileLock writing = platform::FileLock::Take(partial, platform::FileLock::Wait::No,
                                                          platform::FileLock::Create::Yes);
    if (!writing.Held()) {
        const std::string why = platform::PathExists(partial)
                                    ? "another run of the program is writing it."
                                    : std::string(std::strerror(errno)) + ".";
        ReportFailure(job, "Can't write " + partial + ": " + why);
        return StageOutcome::Failed;
    }
    platform::RemoveFile(origin);  // whatever stands at vobPath is replaced
    ReportStatus(job, "Converting " + item.sourcePath + " ...");

    const std::string command =
        BuildConvertCommand(options, item.sourcePath, item.vobPath, &job.progressLink);
    EngineRun run = RunEngine(EngineLibraryPath(), "me_start", command, "me_last_error");

    if (job.progressLink.abortRequested.load() != 0) {
        platform::RemoveFile(partial);
        return StageOutcome::Aborted;
    }
    std::string reason;
    if (!run.Succeeded() || platform::FileSize(item.vobPath) <= 0 || platform::PathExists(partial))
        reason = run.reason.empty() ? "no stream was written." : run.reason;
    else
        reason = CheckConvertedLength(item.vobPath, item.info.duration);
    if (!reason.empty()) {
        platform::RemoveFile(item.vobPath);
        platform::RemoveFile(partial);
        ReportFailure(job, "Converting " + item.sourcePath + " failed: " + reason);
        return StageOutcome::Failed;
    }
    // A later run takes the stream as it is only by this record.
    platform::AppendToFile(origin, StreamOrigin(item.sourcePath, options));
    job.convertedSeconds += static_cast<std::int64_t>(item.info.duration);
    return StageOutcome::Done;
}

StageOutcome ConvertMediaFiles(AuthoringJob& job, const JobParameters& params, MediaList& list,
                               const std::function<int()>& takeNumber) {
    const DvdStreamFacts fits{params.width,  params.height,    params.fpsNum,
                              params.fpsDen, params.aspectNum, params.aspectDen};
    const std::string options = BuildEncodingOptions(params);
    for (MediaItem& item : list) {
        if (job.progressLink.abortRequested.load() != 0)
            return StageOutcome::Aborted;
        if (item.vobPath != item.sourcePath && platform::PathExists(item.vobPath)) {
            if (IsStreamOf(item.vobPath, item.sourcePath, options))
                continue;  // made by an earlier run, from this source for this disc
            // A stream without our record may be anybody's: it stays, and
            // this video gets a name of its own.
            while (!platform::PathExists(StreamOriginPath(item.vobPath)) &&
                   platform::PathExists(item.vobPath))
                item.vobPath = RenumberedStreamPath(item.vobPath, takeNumber());
        }
        // The authoring tools read UTF-8 paths only; another is converted
        // under a name of ours.
        if (platform::IsValidUtf8(item.sourcePath) && IsReadyDvdStream(item.sourcePath, fits)) {
            item.vobPath = item.sourcePath;
            continue;
        }
        StageOutcome outcome = ConvertOneItem(job, params, item);
        if (outcome != StageOutcome::Done)
            return outcome;
    }
    return StageOutcome::Done;
}
