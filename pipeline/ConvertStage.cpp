#include <cstdint>
#include <cstdio>

#include "app/QuorvaApp.h"
#include "media/StreamCheck.h"
#include "pipeline/EngineCall.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"

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
    ReportStatus(job, "Converting " + item.sourcePath + " ...");

    // The engine writes beside the final name; only a finished stream gets it.
    const std::string partial = item.vobPath + ".part";
    platform::RemoveFile(partial);
    const std::string command = BuildConvertCommand(BuildEncodingOptions(params), item.sourcePath,
                                                    partial, &job.progressLink);
    EngineRun run = RunEngine(EngineLibraryPath(), "me_start", command, "me_last_error");

    if (job.progressLink.abortRequested.load() != 0) {
        platform::RemoveFile(partial);
        return StageOutcome::Aborted;
    }
    if (!run.Succeeded() || platform::FileSize(partial) <= 0 ||
        !platform::RenameFile(partial, item.vobPath)) {
        platform::RemoveFile(partial);
        std::string reason = run.reason.empty() ? "no stream was written." : run.reason;
        ReportFailure(job, "Converting " + item.sourcePath + " failed: " + reason);
        return StageOutcome::Failed;
    }
    job.convertedSeconds += static_cast<std::int64_t>(item.info.duration);
    return StageOutcome::Done;
}

StageOutcome ConvertMediaFiles(AuthoringJob& job, const JobParameters& params, MediaList& list) {
    const DvdStreamFacts fits{params.width,  params.height,    params.fpsNum,
                              params.fpsDen, params.aspectNum, params.aspectDen};
    for (MediaItem& item : list) {
        if (job.progressLink.abortRequested.load() != 0)
            return StageOutcome::Aborted;
        if (platform::PathExists(item.vobPath))
            continue;  // made by an earlier run
        if (IsReadyDvdStream(item.sourcePath, fits)) {
            item.vobPath = item.sourcePath;
            continue;
        }
        StageOutcome outcome = ConvertOneItem(job, params, item);
        if (outcome != StageOutcome::Done)
            return outcome;
    }
    return StageOutcome::Done;
}
