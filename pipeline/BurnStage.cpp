#include <cstring>

#include "app/MadeFiles.h"
#include "app/QuorvaApp.h"
#include "engines/DiscBurner.h"
#include "pipeline/Stages.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "settings/Options.h"

namespace {

bool IsImageDevice(IDiscBurner& burner, std::int32_t index) {
    char name[1024] = {};
    std::int32_t result = 0;
    return index >= 0 && burner.GetDeviceName(index, name, sizeof name, &result) >= 0 &&
           std::strcmp(name, kImageDeviceName) == 0;
}

}  // namespace

StageOutcome BurnDvdFolder(AuthoringJob& job, const JobParameters& params,
                           const discchecker::DiscExpectation& expected, bool folderChecked) {
    if (!(job.jobFlags & JOB_BURN))
        return StageOutcome::Done;
    CQuorvaApp& app = App();
    const bool image = app.theBurner && IsImageDevice(*app.theBurner, job.deviceIndex);
    // An image file needs no disc in a drive.
    if (!image) {
        job.hold.WaitWhileHeld();
        if (job.progressLink.abortRequested.load() != 0)
            return StageOutcome::Aborted;
        int answer = platform::MessageBox(job.window, "Please insert a blank disc and click OK .",
                                          "Information",
                                          platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION);
        if (answer != platform::IDOK)
            return StageOutcome::Done;
    }
    // A folder that would not play is never burned.
    if (!folderChecked &&
        CheckDiscStage(job, app.theDvdFolder, expected, "The DVD folder " + app.theDvdFolder) !=
            StageOutcome::Done)
        return StageOutcome::Failed;
    ReportStatus(job, image ? "Writing disc image ..." : "Start burn to dvd disc ...");
    if (!app.theBurner) {
        ReportFailure(job, "No disc burner is available.");
        return StageOutcome::Failed;
    }
    // A folder on its way to a disc or an image is a finished result, which
    // clearing the working folder keeps.
    std::string dvdFolder = app.theDvdFolder;
    while (dvdFolder.size() > 1 && dvdFolder.back() == '/')
        dvdFolder.pop_back();
    const std::string parent = platform::FolderOf(dvdFolder);
    std::string workingFolder = app.theOptions.GetValue(keys::WORKING_FOLDER, false);
    if (!workingFolder.empty() && workingFolder.back() != '/')
        workingFolder += '/';
    if (parent == workingFolder)
        NoteKeptFolder(parent, platform::FileNameOf(dvdFolder));
    // What was written is played as a player would, label included, before
    // the burn counts as done.
    discchecker::DiscExpectation written = expected;
    written.volumeLabel = job.volumeLabel;
    app.theBurner->SetReadBack(params.checkAfterBurn);
    IDiscBurner::WrittenDiscCheck check;
    if (params.checkAfterBurn)
        check = [&](const std::string& path, const std::string& name) {
            return RunDiscCheck(job, path, name, written,
                                (image ? "The disc image " : "The burnt disc in ") + name, true);
        };
    app.theBurner->SetWrittenDiscCheck(check);
    std::int32_t result = -1;
    std::int32_t status =
        app.theBurner->BurnFolder(job.deviceIndex, (app.theDvdFolder + "/VIDEO_TS").c_str(),
                                  job.volumeLabel.c_str(), job.window, &result);
    app.theBurner->SetWrittenDiscCheck({});  // it refers to this job
    if (status < 0 || result != 0) {
        // The burner has shown its reason through its own progress messages.
        char text[4096] = {};
        app.theBurner->GetLastMessage(text, sizeof text);
        job.errorText = text[0] ? text : "The burn failed.";
        job.failed = true;
        return StageOutcome::Failed;
    }
    if (image) {
        job.imageFile = app.theBurner->LastImagePath();
    } else {
        char name[1024] = {};
        std::int32_t ignored = 0;
        app.theBurner->GetDeviceName(job.deviceIndex, name, sizeof name, &ignored);
        job.burnedDrive = name;
    }
    return StageOutcome::Done;
}
