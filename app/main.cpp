// The Quorva program: start-up, the main window, then shutdown. Without a
// display the windows cannot open; start-up and shutdown then run alone.
#include <cstdio>
#include <cstdlib>

#include "app/DeviceDiscovery.h"
#include "app/QuorvaApp.h"
#include "platform/FfmpegLog.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "ui/UserInterface.h"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool HasDisplay() {
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

void InstallHeadlessHooks(CQuorvaApp& app) {
    app.hooks.createBurner = CreateBurner;
    app.hooks.startDeviceDiscovery = RunDeviceDiscoveryStep;
}

}  // namespace

int main(int argc, char** argv) {
    // Before the first video is read: FFmpeg's messages to the debug log.
    platform::RouteFfmpegLog();
    CQuorvaApp& app = App();
    app.shareRunningNumber = true;
    const bool windows = HasDisplay();
    if (windows) {
        InstallUserInterface(app, argc, argv);
    } else {
        platform::UseTranslations(ProgramFolderOf(platform::ExecutableFolder()) + "translations/");
        std::fputs(platform::Translate("quorva",
                                       "quorva: the window needs a display (none is set: DISPLAY, "
                                       "WAYLAND_DISPLAY or QT_QPA_PLATFORM).\n"
                                       "quorva: to make or burn a DVD without one, use quorva-cli "
                                       "(see quorva-cli --help).\n")
                       .c_str(),
                   stderr);
        InstallHeadlessHooks(app);
    }
    app.InitInstance();
    int status = app.ExitInstance();
    FinishDeviceDiscovery();
    if (windows)
        RemoveUserInterface();
    return status;
}
