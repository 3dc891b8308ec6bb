// The Quorva program: start-up, then shutdown.
#include "app/DeviceDiscovery.h"
#include "app/QuorvaApp.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

int main() {
    CQuorvaApp& app = App();
    app.hooks.createBurner = CreateBurner;
    app.hooks.startDeviceDiscovery = [](CQuorvaApp& a) {
        if (!StartDeviceDiscovery(a)) {
            platform::MessageBox(0, "Can't start find device thread!", "Error",
                                 platform::MB_OK | platform::MB_ICONERROR);
            platform::EndProcess(1);
        }
    };
    app.InitInstance();
    int status = app.ExitInstance();
    FinishDeviceDiscovery();
    return status;
}
