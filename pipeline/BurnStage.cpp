#include "app/QuorvaApp.h"
#include "engines/DiscBurner.h"
#include "pipeline/Stages.h"
#include "platform/MessageBox.h"

StageOutcome BurnDvdFolder(AuthoringJob& job) {
    if (!(job.jobFlags & JOB_BURN))
        return StageOutcome::Done;
    int answer =
        platform::MessageBox(job.window, "Please insert a blank disc and click OK .", "Information",
                             platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION);
    if (answer != platform::IDOK)
        return StageOutcome::Done;

    ReportStatus(job, "Start burn to dvd disc ...");
    CQuorvaApp& app = App();
    if (!app.theBurner) {
        ReportFailure(job, "No disc burner is available.");
        return StageOutcome::Failed;
    }
    std::int32_t result = -1;
    std::int32_t status =
        app.theBurner->BurnFolder(job.deviceIndex, (app.theDvdFolder + "/VIDEO_TS").c_str(),
                                  job.volumeLabel.c_str(), job.window, &result);
    if (status < 0 || result != 0) {
        // The burner has shown its reason through its own progress messages.
        char text[1024] = {};
        app.theBurner->GetLastMessage(text, sizeof text);
        job.errorText = text[0] ? text : "The burn failed.";
        job.failed = true;
        return StageOutcome::Failed;
    }
    return StageOutcome::Done;
}
