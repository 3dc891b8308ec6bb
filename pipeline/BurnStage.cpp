#include <cstring>

#include "components/burner/VolumeLabel.h"
#include "engines/DiscBurner.h"
#include "pipeline/MadeFiles.h"
#include "pipeline/Stages.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

bool IsImageDevice(IDiscBurner& burner, std::int32_t index) {
    char name[1024] = {};
    std::int32_t result = 0;
    return index >= 0 && burner.GetDeviceName(index, name, sizeof name, &result) >= 0 &&
           std::strcmp(name, kImageDeviceName) == 0;
}

StageOutcome BurnDvdFolder(JobContext& job, const discchecker::DiscExpectation& expected,
                           bool folderChecked) {
    const JobInput& input = job.input;
    IDiscBurner* burner = input.burner.get();
    const bool image = burner && IsImageDevice(*burner, input.deviceIndex);
    // An image file needs no disc in a drive.
    if (!image) {
        if (job.Cancelled())
            return StageOutcome::Aborted;
        const JobAnswer answer = job.events.Question(
            {JobQuestion::Kind::DoThenGoOn,
             Translate("AuthoringJob", "Please insert a blank disc and click OK ."),
             Translate("AuthoringJob", "Information")});
        if (job.Cancelled())
            return StageOutcome::Aborted;
        if (answer != JobAnswer::Yes)
            return StageOutcome::Done;
    }
    // A folder that would not play is never burned.
    const std::string& folderToBurn = job.result.dvdFolder;
    if (!folderChecked) {
        const StageOutcome checked =
            CheckDiscStage(job, folderToBurn, expected,
                           FillIn(Translate("AuthoringJob", "The DVD folder %1"), {folderToBurn}));
        if (checked != StageOutcome::Done)
            return checked;
    }
    job.Log(image ? Translate("AuthoringJob", "Writing disc image ...")
                  : Translate("AuthoringJob", "Start burn to dvd disc ..."));
    if (!burner) {
        job.Fail(Translate("AuthoringJob", "No disc burner is available."));
        return StageOutcome::Failed;
    }
    // A folder on its way to a disc or an image is a finished result, which
    // clearing the working folder keeps.
    std::string dvdFolder = job.result.dvdFolder;
    while (dvdFolder.size() > 1 && dvdFolder.back() == '/')
        dvdFolder.pop_back();
    const std::string parent = platform::FolderOf(dvdFolder);
    if (parent == input.workingFolder)
        NoteKeptFolder(parent, platform::FileNameOf(dvdFolder));
    // What was written is played as a player would, label included, before
    // the burn counts as done.
    discchecker::DiscExpectation written = expected;
    written.volumeLabel = burner::IsoVolumeId(input.volumeLabel);
    const bool check = job.params.checkAfterBurn;
    burner->SetReadBack(check);
    if (burner->SetBurnSpeed(job.params.burnSpeed) < 0) {
        char text[1024] = {};
        burner->GetLastMessage(text, sizeof text);
        job.Fail(text);
        return StageOutcome::Failed;
    }
    IDiscBurner::WrittenDiscCheck writtenCheck;
    if (check)
        writtenCheck = [&](const std::string& path, const std::string& name) {
            const platform::Result<void> checked =
                RunDiscCheck(job, path, name, written,
                             FillIn(image ? Translate("AuthoringJob", "The disc image %1")
                                          : Translate("AuthoringJob", "The burnt disc in %1"),
                                    {name}),
                             true);
            return checked.error();  // the burner's answer: empty when the disc passed
        };
    burner->SetWrittenDiscCheck(writtenCheck);
    std::int32_t result = -1;
    std::int32_t status =
        burner->BurnFolder(input.deviceIndex, (folderToBurn + "/VIDEO_TS").c_str(),
                           input.volumeLabel.c_str(), job.ReportWindow(), &result);
    burner->SetWrittenDiscCheck({});  // it refers to this job
    if (status < 0 || result != 0) {
        // The burner has shown its reason through its own progress messages.
        char text[4096] = {};
        burner->GetLastMessage(text, sizeof text);
        job.FailQuietly(text[0] ? std::string(text)
                                : Translate("AuthoringJob", "The burn failed."));
        return StageOutcome::Failed;
    }
    if (image) {
        job.result.imageFile = burner->LastImagePath();
    } else {
        char name[1024] = {};
        std::int32_t ignored = 0;
        burner->GetDeviceName(input.deviceIndex, name, sizeof name, &ignored);
        job.result.burnedDrive = name;
    }
    return StageOutcome::Done;
}
