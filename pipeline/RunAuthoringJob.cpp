#include "pipeline/RunAuthoringJob.h"

#include <ctime>
#include <exception>
#include <optional>

#include "media/Estimate.h"
#include "pipeline/JobChecks.h"
#include "pipeline/JobContext.h"
#include "pipeline/MadeFiles.h"
#include "pipeline/MenuWorker.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

namespace {

std::int64_t TotalSeconds(const MediaList& list) {
    std::int64_t total = 0;
    for (const MediaItem& item : list)
        total += static_cast<std::int64_t>(item.info.duration);
    return total;
}

// The streams go to this run's working folder, whatever it was when the
// videos were added; a source used as it is stays where it is.
void PlaceStreamsIn(MediaList& list, const std::string& workingFolder) {
    for (MediaItem& item : list)
        if (!item.vobPath.empty() && item.vobPath != item.sourcePath)
            item.vobPath = workingFolder + platform::FileNameOf(item.vobPath);
}

// What the job's stages will need, to be checked before the first of them.
JobInputs InputsOf(const JobContext& job) {
    const JobInput& input = job.input;
    JobInputs inputs;
    inputs.workingFolder = input.workingFolder;
    const bool converting = input.flags & JOB_CONVERT;
    const bool authoring = input.flags & JOB_MENUS;
    MediaList toConvert;
    for (const MediaItem& item : job.videos) {
        // A stream made earlier, under whatever name, takes no room again.
        if (converting && !platform::PathExists(item.vobPath) &&
            !HasConvertedStream(item, job.params)) {
            inputs.videos.push_back(item.sourcePath);
            toConvert.push_back(item);
        }
    }
    if (authoring)
        inputs.menuBackgrounds = {input.titleMenuBackground, input.rootMenuBackground};
    if (input.flags & JOB_BURN)
        inputs.volumeLabel = input.volumeLabel;
    // The image of a disc goes beside its DVD folder, in the working folder.
    const bool image =
        (input.flags & JOB_BURN) && input.burner && IsImageDevice(*input.burner, input.deviceIndex);
    inputs.neededMB =
        WorkingSpaceMB(toConvert, job.videos, authoring, job.params.videoBitRate, image);
    // A video with subtitles gets a second stream with them multiplexed in.
    MediaList subtitled;
    for (const MediaItem& item : job.videos)
        if (converting && !item.subtitles.empty())
            subtitled.push_back(item);
    inputs.neededMB += EstimateDiscUsageMB(subtitled, job.params.videoBitRate);
    return inputs;
}

// Enters stage; false when the run was cancelled before it.
bool Enter(JobContext& job, JobStage stage) {
    job.events.StageBegins(stage);
    if (!job.Cancelled())
        return true;
    job.result.outcome = JobOutcome::Aborted;
    return false;
}

// The stages in order; the outcome is left in job.result.
void RunStages(JobContext& job) {
    const std::uint32_t flags = job.input.flags;
    if (flags & JOB_CONVERT)
        PlaceStreamsIn(job.videos, job.input.workingFolder);
    LeaveOffDroppedSubtitles(job.videos);
    if (std::vector<std::string> problems = CheckJobInputs(InputsOf(job)); !problems.empty()) {
        job.Fail(DescribeJobProblems(problems));
        return;
    }
    // Subtitles that cannot be read are said before anything is converted;
    // the disc is made without them only when the user agrees.
    if (flags & JOB_CONVERT) {
        if (std::vector<std::string> bad = SubtitleProblems(job.videos); !bad.empty()) {
            std::string text;
            for (const std::string& problem : bad)
                text += problem + "\n";
            const JobAnswer answer =
                job.events.Question({JobQuestion::Kind::GoOnAnyway,
                                     text + "\nMake the DVD without these subtitles?", "Warnning"});
            if (answer != JobAnswer::Yes) {
                job.Fail(text.substr(0, text.size() - 1));
                return;
            }
        }
    }
    // Held to the end of the job: clearing at another program's exit leaves
    // the folder alone meanwhile.
    const platform::FileLock running = HoldWorkingFolder(job.input.workingFolder);
    // What killed runs left behind is of no use to anybody.
    RemoveStaleLeftovers(job.input.workingFolder);

    // The menus need the videos' thumbnails and order only: they are made
    // while the last videos are converted, once none is left to start.
    std::optional<MenuWorker> menus;
    if (flags & JOB_MENUS)
        menus.emplace(job);
    if (flags & JOB_CONVERT) {
        if (!Enter(job, STAGE_CONVERTING))
            return;
        job.startTime = static_cast<std::int64_t>(std::time(nullptr));
        job.totalSeconds = TotalSeconds(job.videos);
        job.Log(Translate("AuthoringJob", "Converting media files to vob ..."));
        job.ShowBarAt(0);
        const StageOutcome converted = ConvertMediaFiles(job, [&menus] {
            if (menus)
                menus->Start();
        });
        job.result.videos = job.videos;
        if (converted == StageOutcome::Aborted)
            job.result.outcome = JobOutcome::Aborted;
        if (converted != StageOutcome::Done)
            return;
        job.ShowBarAt(job.totalSeconds);
        const StageOutcome subtitled = AddSubtitleStreams(job);
        job.result.videos = job.videos;
        if (subtitled == StageOutcome::Aborted)
            job.result.outcome = JobOutcome::Aborted;
        if (subtitled != StageOutcome::Done)
            return;
        job.result.flagsLeft &= ~JOB_CONVERT;
    }
    // What the disc must hold, when this run authors it; and whether the
    // new folder has been checked already.
    discchecker::DiscExpectation expected;
    bool folderChecked = false;
    if (flags & JOB_MENUS) {
        if (!Enter(job, STAGE_MENUS))
            return;
        MenuMovies movies;
        const StageOutcome made = menus->Finish(movies);
        if (made == StageOutcome::Aborted)
            job.result.outcome = JobOutcome::Aborted;
        if (made != StageOutcome::Done)
            return;
        if (!Enter(job, STAGE_AUTHORING))
            return;
        if (AuthorDvdFolder(job, movies) != StageOutcome::Done)
            return;
        expected = ExpectedDisc(job.videos, job.params.chapterMinutes);
        if (CheckDiscStage(job, job.result.dvdFolder, expected,
                           FillIn(Translate("AuthoringJob", "The DVD folder %1"),
                                  {job.result.dvdFolder})) != StageOutcome::Done)
            return;
        folderChecked = true;
        job.result.flagsLeft &= ~JOB_MENUS;
    }
    if (flags & JOB_BURN) {
        if (!Enter(job, STAGE_BURNING))
            return;
        if (BurnDvdFolder(job, expected, folderChecked) == StageOutcome::Aborted)
            job.result.outcome = JobOutcome::Aborted;
    }
}

}  // namespace

JobResult RunAuthoringJob(const JobInput& input, JobEvents& events,
                          platform::CancelSignal& cancel) {
    JobContext job(input, events, cancel);
    try {
        RunStages(job);
    } catch (const std::exception& error) {
        job.Fail(FillIn(Translate("AuthoringJob", "The job stopped on an unexpected error: %1"),
                        {error.what()}));
    }
    if (job.result.outcome == JobOutcome::Done && job.Cancelled())
        job.result.outcome = JobOutcome::Aborted;
    job.result.videos = job.videos;
    events.Finished(job.result);
    return job.result;
}
