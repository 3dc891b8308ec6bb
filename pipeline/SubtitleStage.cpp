#include <QGuiApplication>
#include <QImage>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>

#include "media/SubtitleCues.h"
#include "pipeline/EngineCall.h"
#include "pipeline/MadeFiles.h"
#include "pipeline/Stages.h"
#include "pipeline/SubtitlePictures.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"
#include "settings/xml.h"

namespace {

// "hh:mm:ss.mmm" as spumux takes it: from the start of the video.
std::string SpumuxTime(double seconds) {
    const long long ms = std::llround(seconds * 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld.%03lld", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, ms % 1000);
    return text;
}

// The subtitled stream of item: beside its converted stream, named after it.
// A source used as it is gets a name with a running number of its own in the
// working folder, never that of a file already there.
std::string SubtitledStreamPath(const JobContext& job, const MediaItem& item) {
    std::string name = platform::FileNameOf(item.vobPath);
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.resize(dot);
    if (item.vobPath != item.sourcePath)
        return platform::FolderOf(item.vobPath) + name + ".sub.vob";
    std::string path;
    int ownNumber = 0;
    do {
        const int number =
            job.input.takeRunningNumber ? job.input.takeRunningNumber() : ++ownNumber;
        path = job.input.workingFolder + std::to_string(number) + "_" + name + ".sub.vob";
    } while (platform::PathExists(path));
    return path;
}

// Whether track is a stream of the very stream item's disc is made from.
bool IsCarriedBy(const SubtitleTrack& track, const MediaItem& item) {
    return track.stream >= 0 && item.vobPath == item.sourcePath && track.file == item.sourcePath;
}

// The tracks the stream item's title plays from carries, in stream order.
std::vector<const SubtitleTrack*> DiscTracks(const MediaItem& item) {
    std::vector<const SubtitleTrack*> tracks;
    for (const SubtitleTrack& track : item.subtitles)
        if (track.problem.empty() && (!item.subtitledPath.empty() || IsCarriedBy(track, item)))
            tracks.push_back(&track);
    return tracks;
}

// A folder of its own in the temp folder for one stream's pictures, removed
// at the end of scope.
class PictureFolder {
  public:
    PictureFolder() = default;
    // Makes the folder; Path() names it from then on.
    platform::Result<void> Make() {
        platform::Result<std::string> file = platform::MakeTempFile("~qor");
        if (!file)
            return platform::Fail(platform::FillIn(
                platform::Translate("SubtitleStage", "Can't make a temporary file: %1"),
                {file.error()}));
        file_ = *file;
        if (const platform::Result<void> made = platform::CreateFolder(file_ + ".d"); !made)
            return platform::Fail(platform::FillIn(
                platform::Translate("SubtitleStage", "Can't make a temporary folder: %1"),
                {made.error()}));
        path_ = file_ + ".d/";
        return {};
    }
    ~PictureFolder() {
        if (!path_.empty())
            static_cast<void>(platform::RemoveFolderTree(path_));
        if (!file_.empty())
            platform::RemoveFile(file_);
    }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string file_;
    std::string path_;
};

// Writes the pictures of cues and the spumux control file for them into
// folder; the control file's path. Cues after the end of the video are left
// out; count tells how many are in.
platform::Result<std::string> WriteStreamControl(const std::vector<SubtitleCue>& cues,
                                                 const JobParameters& params, double videoSeconds,
                                                 const std::string& folder, int& count) {
    CXMLAccess stream("stream", "");
    count = 0;
    for (const SubtitleCue& cue : cues) {
        if (videoSeconds > 0 && cue.start >= videoSeconds)
            break;
        if (cue.end <= 0)
            continue;  // over before the video starts
        const std::optional<Subpicture> picture =
            cue.picture.isNull() ? DrawTextCue(cue.text, params) : DrawBitmapCue(cue, params);
        if (!picture) {
            if (cue.picture.isNull() && !cue.text.empty() &&
                !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
                return platform::Fail(platform::Translate(
                    "SubtitleStage", "no fonts are available to draw subtitles with."));
            continue;
        }
        const std::string image = folder + std::to_string(count) + ".png";
        if (!picture->image.save(QString::fromStdString(image), "PNG"))
            return platform::Fail(platform::FillIn(
                platform::Translate("SubtitleStage", "Can't write the subtitle picture %1."),
                {image}));
        CXMLAccess spu("spu", "");
        spu.SetValue("start", SpumuxTime(std::max(0.0, cue.start)));
        spu.SetValue("end", SpumuxTime(std::max(0.0, cue.end)));
        spu.SetValue("image", image);
        spu.SetValue("xoffset", std::to_string(picture->at.x()));
        spu.SetValue("yoffset", std::to_string(picture->at.y()));
        if (cue.forced)
            spu.SetValue("force", "yes");
        stream.AddChild(spu);
        ++count;
    }
    CXMLAccess subpictures("subpictures", "");
    subpictures.AddChild(stream);
    std::string control = folder + "control.xml";
    if (const platform::Result<void> saved = SaveXMLNode(control, subpictures, ""); !saved)
        return platform::Fail(platform::FillIn(
            platform::Translate("SubtitleStage", "Can't write the subtitle description: %1"),
            {saved.error()}));
    return control;
}

// Multiplexes the readable subtitles of item into a new stream beside its
// own, one subpicture stream each in their order; item.subtitledPath names
// it. The converted stream itself is never changed.
StageOutcome AddItemSubtitles(JobContext& job, MediaItem& item, const std::string& output) {
    item.subtitledPath.clear();
    const std::string folder = platform::FolderOf(output);
    const std::string partial = PartialStreamPath(output);
    const auto failed = [&](const std::string& why) {
        platform::RemoveFile(partial);
        job.Fail(platform::FillIn(
            platform::Translate("SubtitleStage", "Adding the subtitles to %1 failed: %2"),
            {item.sourcePath, why}));
        return StageOutcome::Failed;
    };
    if (const platform::Result<void> noted =
            NoteMadeFiles(folder, {platform::FileNameOf(partial), platform::FileNameOf(output)});
        !noted)
        return failed(noted.error());
    platform::FileLock writing = platform::FileLock::Take(partial, platform::FileLock::Wait::No,
                                                          platform::FileLock::Create::Yes);
    if (!writing.Held())
        return failed(platform::FillIn(
            platform::Translate("SubtitleStage", "can't write %1: %2"),
            {partial,
             platform::PathExists(partial)
                 ? platform::Translate("SubtitleStage", "another run of the program is writing it.")
                 : std::string(std::strerror(errno)) + "."}));
    platform::RemoveFile(output);
    job.Log(platform::FillIn(platform::Translate("SubtitleStage", "Adding subtitles to %1 ..."),
                             {item.sourcePath}));
    std::string input = item.vobPath;
    int streamNumber = 0;
    int added = 0;
    for (SubtitleTrack& track : item.subtitles) {
        if (!track.problem.empty())
            continue;
        // A source used as it is carries its own subpicture streams already,
        // under their numbers; the files beside it come after them.
        if (IsCarriedBy(track, item)) {
            ++streamNumber;
            continue;
        }
        platform::Result<std::vector<SubtitleCue>> cues =
            ReadSubtitleCues(track, [&job] { return job.Cancelled(); });
        if (job.Cancelled()) {
            platform::RemoveFile(partial);
            return StageOutcome::Aborted;
        }
        if (!cues)
            return failed(cues.error());
        PictureFolder pictures;
        if (const platform::Result<void> made = pictures.Make(); !made)
            return failed(made.error());
        int count = 0;
        const platform::Result<std::string> control =
            WriteStreamControl(*cues, job.params, item.info.duration, pictures.Path(), count);
        if (!control)
            return failed(control.error());
        if (count == 0) {
            // Nothing of it shows while the video plays: no stream for it.
            track.problem = platform::Translate(
                "SubtitleStage", "none of its subtitles shows while the video plays.");
            job.Log(platform::FillIn(
                platform::Translate("SubtitleStage", "The subtitles %1 are left out: %2"),
                {track.file, track.problem}));
            continue;
        }
        std::string multiplex = "spumux.exe*-s*" + std::to_string(streamNumber) + "*";
        multiplex.append(*control).append("*-i*").append(input).append("*-o*").append(partial);
        EngineRun run =
            RunEngine(job.libraries.authoring, "subgen", multiplex, "authoring_last_error");
        if (!run.Succeeded())
            return failed(run.reason.empty()
                              ? platform::Translate("SubtitleStage", "spumux failed.")
                              : run.reason);
        // spumux's output was renamed over the partial stream: lock what is there now.
        writing = platform::FileLock::Take(partial, platform::FileLock::Wait::No,
                                           platform::FileLock::Create::No);
        input = partial;
        ++streamNumber;
        ++added;
    }
    if (added == 0) {
        platform::RemoveFile(partial);
        return StageOutcome::Done;
    }
    if (!platform::RenameFile(partial, output))
        return failed("can't rename " + partial + ": " + std::strerror(errno) + ".");
    NoteMadeFileDone(folder, platform::FileNameOf(output));
    item.subtitledPath = output;
    return StageOutcome::Done;
}

}  // namespace

void LeaveOffDroppedSubtitles(MediaList& videos) {
    for (MediaItem& item : videos)
        std::erase_if(item.subtitles, [&item](const SubtitleTrack& track) {
            return !track.kept && !IsCarriedBy(track, item);
        });
}

std::vector<std::string> SubtitleProblems(MediaList& videos) {
    std::vector<std::string> problems;
    for (MediaItem& item : videos) {
        for (SubtitleTrack& track : item.subtitles) {
            // A file may have changed since the video was added.
            if (track.problem.empty() && track.stream < 0)
                if (auto cues = ReadSubtitleCues(track); !cues)
                    track.problem = cues.error();
            if (!track.problem.empty())
                problems.push_back(track.problem);
        }
    }
    return problems;
}

StageOutcome AddSubtitleStreams(JobContext& job) {
    std::set<std::string> taken;
    for (MediaItem& item : job.videos) {
        if (job.Cancelled())
            return StageOutcome::Aborted;
        item.subtitledPath.clear();
        if (item.subtitles.empty())
            continue;
        std::string output = SubtitledStreamPath(job, item);
        // Two videos listed with one stream share its subtitled stream too.
        if (!taken.insert(output).second) {
            for (const MediaItem& other : job.videos)
                if (&other != &item && other.subtitledPath == output &&
                    other.vobPath == item.vobPath)
                    item.subtitledPath = output;
            if (!item.subtitledPath.empty())
                continue;
            const std::string first = output;
            for (int n = 2; !taken.insert(output).second; ++n)
                output = first + "." + std::to_string(n) + ".vob";
        }
        if (const StageOutcome added = AddItemSubtitles(job, item, output);
            added != StageOutcome::Done)
            return added;
    }
    return StageOutcome::Done;
}

std::vector<std::string> SubpictureLanguages(const MediaList& videos) {
    std::vector<std::string> table;
    std::vector<bool> disagree;
    for (const MediaItem& item : videos) {
        const std::vector<const SubtitleTrack*> tracks = DiscTracks(item);
        for (std::size_t stream = 0; stream < tracks.size(); ++stream) {
            const std::string& language = tracks[stream]->language;
            if (stream >= table.size()) {
                table.push_back(language);
                disagree.push_back(false);
            } else if (table[stream].empty()) {
                table[stream] = language;
            } else if (!language.empty() && language != table[stream]) {
                disagree[stream] = true;
            }
        }
    }
    for (std::size_t stream = 0; stream < table.size(); ++stream)
        if (disagree[stream])
            table[stream].clear();
    return table;
}

int SubpictureStreamOf(const MediaItem& item, const std::string& language) {
    if (language.empty())
        return -1;
    const std::vector<const SubtitleTrack*> tracks = DiscTracks(item);
    for (std::size_t stream = 0; stream < tracks.size(); ++stream)
        if (tracks[stream]->language == language)
            return static_cast<int>(stream);
    return -1;
}
