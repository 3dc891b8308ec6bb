#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "media/StreamCheck.h"
#include "pipeline/ConversionBoard.h"
#include "pipeline/DiscAudio.h"
#include "pipeline/EngineCall.h"
#include "pipeline/MadeFiles.h"
#include "pipeline/Stages.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "platform/Utf8.h"

using platform::FillIn;
using platform::Translate;

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

// The source (path, size, modification time, inode) and the encoder options
// of a conversion.
std::string StreamOrigin(const std::string& source, const platform::FileStamp& stamp,
                         const std::string& options) {
    return "source " + source + "\nsize " + std::to_string(stamp.size) + "\nmodified " +
           std::to_string(stamp.modifiedNs) + "\ninode " + std::to_string(stamp.inode) +
           "\noptions " + options + "\n";
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
platform::Result<void> CheckConvertedLength(const std::string& stream, double probedSeconds) {
    constexpr double kTolerance = 2.0;
    if (probedSeconds <= 0)
        return {};
    const double seconds = ProgramStreamSeconds(stream);
    if (seconds >= 0 && std::fabs(seconds - probedSeconds) <= kTolerance)
        return {};
    char converted[32];
    char probed[32];
    std::snprintf(converted, sizeof converted, "%.1f", seconds < 0 ? 0.0 : seconds);
    std::snprintf(probed, sizeof probed, "%.1f", probedSeconds);
    return platform::Fail(
        FillIn(Translate("AuthoringJob",
                         "the converted stream lasts %1 s, but the video was found to last %2 s "
                         "when it was added; it may have changed or been cut short since."),
               {converted, probed}));
}

// A finished stream made from the item's source, as it is now, with these
// encoder options, whatever running number it got: the item's own stream
// name is looked at first, then every stream with a record in its folder.
// Nothing may be writing it and it must last as long as the video. Empty
// when there is none.
std::string FindConvertedStream(const MediaItem& item, const std::string& options) {
    const auto stamp = platform::StampOf(item.sourcePath);
    if (!stamp)
        return {};
    const std::string wanted = StreamOrigin(item.sourcePath, *stamp, options);
    const std::string folder = platform::FolderOf(item.vobPath);
    const std::string tail = StreamOriginPath(".vob");
    std::vector<std::string> names = platform::ListFolder(folder);
    std::sort(names.begin(), names.end());
    std::vector<std::string> streams{item.vobPath};
    for (const std::string& name : names)
        if (name.size() > tail.size() &&
            name.compare(name.size() - tail.size(), tail.size(), tail) == 0)
            streams.push_back(folder + name.substr(0, name.size() - StreamOriginPath("").size()));
    for (const std::string& stream : streams) {
        if (platform::IsSymbolicLink(stream) || !platform::IsRegularFile(stream) ||
            platform::PathExists(PartialStreamPath(stream)))
            continue;
        if (platform::ReadOwnFile(StreamOriginPath(stream)) == wanted &&
            CheckConvertedLength(stream, item.info.duration))
            return stream;
    }
    return {};
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

std::string BuildItemEncodingOptions(const JobParameters& params, const MediaItem& item) {
    const std::string tracks = AudioTrackArgument(item, params.audioTracks);
    return BuildEncodingOptions(params) + (tracks.empty() ? "" : "*-audio-tracks*" + tracks);
}

std::string BuildConvertCommand(const std::string& options, const std::string& source,
                                const std::string& output, const ProgressLink* link) {
    return "x*" + options + "*" + source + "*-o*" + output + "*-convert-status*" +
           std::to_string(reinterpret_cast<std::intptr_t>(link));
}

namespace {

// How one conversion ended; a failure names the video.
struct ItemResult {
    StageOutcome outcome = StageOutcome::Done;
    std::string failure;
};

// Converts item with the engine, which reports through link and stops when
// the link's abort flag is set. status logs the line that names the video.
// On abort or failure no stream and no partial stream are left.
ItemResult ConvertWithEngine(const JobParameters& params, const std::string& engineLibrary,
                             MediaItem& item, ProgressLink& link,
                             const std::function<void(const std::string&)>& status) {
    // The record beside the stream describes the source as it was when
    // converting began; a source rewritten or replaced meanwhile fails.
    const std::optional<platform::FileStamp> before = platform::StampOf(item.sourcePath);
    if (!before || !platform::IsRegularFile(item.sourcePath))
        return {StageOutcome::Failed,
                FillIn(Translate("AuthoringJob", "Can't convert %1: the file no longer exists."),
                       {item.sourcePath})};
    const std::string options = BuildItemEncodingOptions(params, item);
    const std::string folder = platform::FolderOf(item.vobPath);
    const std::string name = platform::FileNameOf(item.vobPath);
    const std::string partial = PartialStreamPath(item.vobPath);
    const std::string origin = StreamOriginPath(item.vobPath);
    // Listed before they exist, so that clearing the working folder finds
    // them even after a crash.
    if (const platform::Result<void> noted = NoteMadeFiles(
            folder, {platform::FileNameOf(partial), name, platform::FileNameOf(origin)});
        !noted)
        return {StageOutcome::Failed, FillIn(Translate("AuthoringJob", "Can't convert %1: %2"),
                                             {item.sourcePath, noted.error()})};
    // The engine writes the partial stream and renames it when complete; the
    // lock tells other runs that it is not a leftover.
    platform::FileLock writing = platform::FileLock::Take(partial, platform::FileLock::Wait::No,
                                                          platform::FileLock::Create::Yes);
    if (!writing.Held()) {
        const std::string why =
            platform::PathExists(partial)
                ? Translate("AuthoringJob", "another run of the program is writing it.")
                : std::string(std::strerror(errno)) + ".";
        return {StageOutcome::Failed,
                FillIn(Translate("AuthoringJob", "Can't write %1: %2"), {partial, why})};
    }
    platform::RemoveFile(origin);  // whatever stands at vobPath is replaced
    status(FillIn(Translate("AuthoringJob", "Converting %1 ..."), {item.sourcePath}));

    const std::string command = BuildConvertCommand(options, item.sourcePath, item.vobPath, &link);
    EngineRun run = RunEngine(engineLibrary, "me_start", command, "me_last_error");

    if (link.abortRequested.load() != 0) {
        platform::RemoveFile(partial);
        if (run.Succeeded())  // finished just as it was told to stop
            platform::RemoveFile(item.vobPath);
        return {StageOutcome::Aborted, {}};
    }
    std::string reason;
    if (!run.Succeeded() || platform::FileSize(item.vobPath) <= 0 || platform::PathExists(partial))
        reason =
            run.reason.empty() ? Translate("AuthoringJob", "no stream was written.") : run.reason;
    else if (platform::StampOf(item.sourcePath) != before)
        reason = Translate("AuthoringJob",
                           "the file was changed or replaced while it was converted; make the "
                           "disc again once it is complete.");
    else if (const platform::Result<void> length =
                 CheckConvertedLength(item.vobPath, item.info.duration);
             !length)
        reason = length.error();
    if (!reason.empty()) {
        platform::RemoveFile(item.vobPath);
        platform::RemoveFile(partial);
        return {StageOutcome::Failed, FillIn(Translate("AuthoringJob", "Converting %1 failed: %2"),
                                             {item.sourcePath, reason})};
    }
    // A later run takes the stream as it is only by this record.
    platform::AppendToFile(origin, StreamOrigin(item.sourcePath, *before, options));
    NoteMadeFileDone(folder, name);
    NoteMadeFileDone(folder, platform::FileNameOf(origin));
    return {};
}

// Converts the items, up to slots of them at once, in the order given. The
// first failure stops the others and fails the stage with its message.
// allStarted (if any) is called as the last item starts, or at once if none.
StageOutcome ConvertItems(JobContext& job, const std::vector<MediaItem*>& items, std::size_t slots,
                          const std::function<void()>& allStarted) {
    if (items.empty() && allStarted)
        allStarted();
    ConversionBoard board(job.link, job.cancel, job.convertedSeconds, slots);
    std::mutex reporting;
    std::string failure;
    board.Run(items.size(), [&](std::size_t index, std::size_t slot) {
        MediaItem& item = *items[index];
        if (index + 1 == items.size() && allStarted)
            allStarted();
        bool announced = false;
        auto status = [&](const std::string& text) {
            // Each video's line is logged in the order given, whichever
            // thread gets there first.
            board.InTurn(index, [&] {
                std::lock_guard lock(reporting);
                job.Log(text);
            });
            announced = true;
        };
        ItemResult result =
            ConvertWithEngine(job.params, job.libraries.engine, item, board.Link(slot), status);
        if (!announced)
            board.InTurn(index, [] {});
        switch (result.outcome) {
            case StageOutcome::Done:
                board.Finished(slot, static_cast<std::int64_t>(item.info.duration));
                break;
            case StageOutcome::Failed: {
                std::lock_guard lock(reporting);
                if (failure.empty())
                    failure = result.failure;
                board.StopAll();
                break;
            }
            case StageOutcome::Aborted:
                board.Finished(slot, 0);
                break;
        }
    });
    if (!failure.empty()) {
        job.Fail(failure);
        return StageOutcome::Failed;
    }
    return board.Stopped() ? StageOutcome::Aborted : StageOutcome::Done;
}

}  // namespace

bool HasConvertedStream(const MediaItem& item, const JobParameters& params) {
    return item.vobPath != item.sourcePath &&
           !FindConvertedStream(item, BuildItemEncodingOptions(params, item)).empty();
}

StageOutcome ConvertOneItem(JobContext& job, MediaItem& item) {
    return ConvertItems(job, {&item}, 1, {});
}

StageOutcome ConvertMediaFiles(JobContext& job, const std::function<void()>& allStarted) {
    const JobParameters& params = job.params;
    int ownNumber = 0;  // without the program's running numbers, numbers of this run
    const auto takeNumber = [&job, &ownNumber] {
        return job.input.takeRunningNumber ? job.input.takeRunningNumber() : ++ownNumber;
    };
    const DvdStreamFacts fits{params.width,  params.height,    params.fpsNum,
                              params.fpsDen, params.aspectNum, params.aspectDen};
    std::vector<MediaItem*> toConvert;
    std::map<std::string, const MediaItem*> streams;  // the streams to be made, by path
    std::map<std::string, const MediaItem*> sources;  // the same, by source
    for (MediaItem& item : job.videos) {
        if (job.Cancelled())
            return StageOutcome::Aborted;
        if (item.vobPath != item.sourcePath) {
            // Made by an earlier run, maybe of another list or before the
            // program was started again, from this source for this disc.
            if (const std::string made =
                    FindConvertedStream(item, BuildItemEncodingOptions(params, item));
                !made.empty()) {
                item.vobPath = made;
                job.Log(platform::FillIn(
                    platform::Translate("AuthoringJob", "Reusing %1, converted earlier from %2."),
                    {made, item.sourcePath}));
                continue;
            }
            // A stream without our record may be anybody's: it stays, and
            // this video gets a name of its own.
            while (!platform::PathExists(StreamOriginPath(item.vobPath)) &&
                   platform::PathExists(item.vobPath))
                item.vobPath = RenumberedStreamPath(item.vobPath, takeNumber());
        }
        // The authoring tools read UTF-8 paths only; another is converted
        // under a name of ours.
        // A ready stream is taken as it is only where its sound is what the
        // disc's stream table wants: all its own tracks, as many as the
        // table lists.
        if (platform::IsValidUtf8(item.sourcePath) &&
            KeptAudioTracks(item).size() == item.audioTracks.size() &&
            std::max<std::size_t>(1, item.audioTracks.size()) ==
                static_cast<std::size_t>(std::max(1, params.audioTracks)) &&
            IsReadyDvdStream(item.sourcePath, fits)) {
            item.vobPath = item.sourcePath;
            continue;
        }
        // A source listed twice is made once, under the first one's name;
        // another source with the same stream name gets a name of its own.
        if (auto same = sources.find(item.sourcePath); same != sources.end()) {
            item.vobPath = same->second->vobPath;
            continue;
        }
        if (streams.count(item.vobPath))
            while (streams.count(item.vobPath) || platform::PathExists(item.vobPath))
                item.vobPath = RenumberedStreamPath(item.vobPath, takeNumber());
        streams.emplace(item.vobPath, &item);
        sources.emplace(item.sourcePath, &item);
        toConvert.push_back(&item);
    }
    // Side by side the longest go first, so that the last to finish are short
    // ones and no core idles long at the end; one by one, in the list's order.
    const std::size_t slots = ConversionSlots(params.conversionJobs, toConvert.size());
    if (slots > 1)
        std::stable_sort(toConvert.begin(), toConvert.end(),
                         [](const MediaItem* a, const MediaItem* b) {
                             return a->info.duration > b->info.duration;
                         });
    return ConvertItems(job, toConvert, slots, allStarted);
}
