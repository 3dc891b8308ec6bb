#include "app/AppJob.h"

#include "app/QuorvaApp.h"
#include "settings/Options.h"

JobInput MakeJobInput(CQuorvaApp& app, const JobChoices& choices) {
    JobInput input;
    input.videos = app.theMediaList;
    input.params = DeriveJobParameters(app.theOptions, app.theMediaList, choices.discType);
    input.programFolder = app.theProgramFolder;
    input.workingFolder = app.theOptions.GetValue(keys::WORKING_FOLDER);
    if (!input.workingFolder.empty() && input.workingFolder.back() != '/')
        input.workingFolder += '/';
    input.titleMenuBackground = app.theOptions.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU);
    input.rootMenuBackground = app.theOptions.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU);
    input.discTitle = app.theOptions.GetValue(keys::DISC_TITLE);
    input.volumeLabel = choices.volumeLabel;
    input.deviceIndex = choices.deviceIndex;
    input.flags = choices.flags;
    input.dvdFolder = app.theDvdFolder;
    input.burner = app.theBurner;
    input.takeRunningNumber = [&app] { return app.TakeRunningNumber(); };
    input.defaultSubtitle = choices.defaultSubtitle;
    return input;
}

void KeepJobResult(CQuorvaApp& app, const JobResult& result) {
    app.theMediaList = result.videos;
    if (!result.dvdFolder.empty())
        app.theDvdFolder = result.dvdFolder;
}
