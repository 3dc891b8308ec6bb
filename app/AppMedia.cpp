#include "app/AppMedia.h"

#include "app/QuorvaApp.h"
#include "settings/Options.h"

ProbeResult ProbeMediaFile(const std::string& sourcePath) {
    CQuorvaApp& app = App();
    ProbeResult result = ReadMediaFile(sourcePath, app.theProgramFolder);
    if (result.error.empty())
        NameMediaItem(result.item, app.theOptions.GetValue(keys::WORKING_FOLDER),
                      app.TakeRunningNumber());
    return result;
}
