#include <ctime>

#include "app/MadeFiles.h"
#include "app/QuorvaApp.h"
#include "pipeline/AuthoringJob.h"
#include "pipeline/JobChecks.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "settings/Options.h"

namespace {

std::int64_t TotalSeconds(const MediaList& list) {
    std::int64_t total = 0;
    for (const MediaItem& item : list)
        total += static_cast<std::int64_t>(item.info.duration);
    return total;
}

void SetConversionBar(AuthoringJob& job, std::uint32_t message, platform::WPARAM w,
                      platform::LPARAM l) {
    platform::SendMessage(job.conversionBar ? job.conversionBar : job.window, message, w, l);
}

// The window goes back to idle when timer 1 fires.
int Finish(AuthoringJob& job) {
    platform::SetTimer(job.window, 1, 1);
    return 0;
}

// The streams go to this run's working folder, whatever it was when the
// videos were added; a source used as it is stays where it is.
void PlaceStreamsIn(MediaList& list, const std::string& workingFolder) {
    for (MediaItem& item : list)
        if (!item.vobPath.empty() && item.vobPath != item.sourcePath)
            item.vobPath = workingFolder + platform::FileNameOf(item.vobPath);
}

// What the job's stages will need, to be checked before the first of them.
JobInputs InputsOf(const AuthoringJob& job, const CXMLAccess& options, const JobParameters& params,
                   const MediaList& list, const std::string& workingFolder) {
    JobInputs inputs;
    inputs.workingFolder = workingFolder;
    const bool converting = job.jobFlags & JOB_CONVERT;
    const bool authoring = job.jobFlags & JOB_MENUS;
    MediaList toConvert;
    for (const MediaItem& item : list) {
        if (converting && !platform::PathExists(item.vobPath)) {
            inputs.videos.push_back(item.sourcePath);
            toConvert.push_back(item);
        }
    }
    if (authoring) {
        inputs.menuBackgrounds = {options.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU),
                                  options.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU)};
    }
    if (job.jobFlags & JOB_BURN)
        inputs.volumeLabel = job.volumeLabel;
    inputs.neededMB = WorkingSpaceMB(toConvert, list, authoring, params.videoBitRate);
    return inputs;
}

bool Aborted(const AuthoringJob& job) {
    return job.progressLink.abortRequested.load() != 0;
}

}  // namespace

void ReportStatus(AuthoringJob& job, const std::string& text, bool error) {
    job.hold.WaitWhileHeld();
    job.statusText = text;
    platform::SendMessage(job.window, WM_JOB_STATUS, 0, error ? 1 : 0);
}

void ReportBurnLine(AuthoringJob& job, const std::string& text) {
    job.statusText = text;
    platform::SendMessage(job.window, WM_JOB_STATUS, 0, 0);
}

void ReportFailure(AuthoringJob& job, const std::string& text) {
    job.errorText = text;
    job.failed = true;
    ReportStatus(job, text, true);
}

int RunAuthoringJob(AuthoringJob& job) {
    CQuorvaApp& app = App();
    job.failed = false;
    job.errorText.clear();
    job.imageFile.clear();
    job.burnedDrive.clear();
    job.discCheckLines.clear();

    std::string workingFolder = app.theOptions.GetValue(keys::WORKING_FOLDER);
    if (!workingFolder.empty() && workingFolder.back() != '/')
        workingFolder += '/';
    const JobParameters params =
        DeriveJobParameters(app.theOptions, app.theMediaList, job.discType);
    if (job.jobFlags & JOB_CONVERT)
        PlaceStreamsIn(app.theMediaList, workingFolder);
    if (std::vector<std::string> problems =
            CheckJobInputs(InputsOf(job, app.theOptions, params, app.theMediaList, workingFolder));
        !problems.empty()) {
        ReportFailure(job, DescribeJobProblems(problems));
        return Finish(job);
    }
    // What killed runs left behind is of no use to anybody.
    RemoveStaleLeftovers(workingFolder);

    job.stage = STAGE_CONVERTING;
    if (job.jobFlags & JOB_CONVERT) {
        job.startTime = static_cast<std::int64_t>(std::time(nullptr));
        job.totalSeconds = TotalSeconds(app.theMediaList);
        SetConversionBar(job, PBM_SETRANGE32, 0, static_cast<platform::LPARAM>(job.totalSeconds));
        ReportStatus(job, "Converting media files to vob ...");
        SetConversionBar(job, PBM_SETPOS, 0, 0);
        switch (ConvertMediaFiles(job, params, app.theMediaList,
                                  [&app] { return app.TakeRunningNumber(); })) {
            case StageOutcome::Aborted:
                return 0;  // the window has already gone back to idle
            case StageOutcome::Failed:
                return Finish(job);
            case StageOutcome::Done:
                break;
        }
        SetConversionBar(job, PBM_SETPOS, static_cast<platform::WPARAM>(job.totalSeconds), 0);
        job.jobFlags &= ~JOB_CONVERT;
    }
    if (Aborted(job))
        return 0;

    // What the disc must hold, when this run authors it; and whether the
    // new folder has been checked already.
    discchecker::DiscExpectation expected;
    bool folderChecked = false;
    if (job.jobFlags & JOB_MENUS) {
        job.stage = STAGE_MENUS;
        MenuMovies movies;
        if (MakeMenus(job, params, app.theMediaList, movies) != StageOutcome::Done ||
            AuthorDvdFolder(job, params, app.theMediaList, movies) != StageOutcome::Done)
            return Finish(job);
        expected = ExpectedDisc(app.theMediaList);
        if (CheckDiscStage(job, app.theDvdFolder, expected, "The DVD folder " + app.theDvdFolder) !=
            StageOutcome::Done)
            return Finish(job);
        folderChecked = true;
        job.jobFlags &= ~JOB_MENUS;
    }
    if (Aborted(job))
        return 0;

    job.stage = STAGE_BURNING;
    if (BurnDvdFolder(job, params, expected, folderChecked) == StageOutcome::Aborted)
        return 0;
    return Finish(job);
}
