#include "app/DeviceDiscovery.h"

#include <memory>
#include <system_error>
#include <thread>

#include "app/QuorvaApp.h"
#include "engines/DiscBurner.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/Translation.h"

namespace {

std::thread& DiscoveryThread() {
    static std::thread thread;
    return thread;
}

}  // namespace

void CreateBurner(CQuorvaApp& app) {
    app.theBurner = CreateDiscBurner();
}

bool StartDeviceDiscovery(CQuorvaApp& app) {
    std::shared_ptr<IDiscBurner> burner = app.theBurner;
    if (!burner)
        return true;
    try {
        DiscoveryThread() = std::thread([burner] {
            std::int32_t result = 0;
            burner->ScanDevices(&result);
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void RunDeviceDiscoveryStep(CQuorvaApp& app) {
    if (StartDeviceDiscovery(app))
        return;
    platform::MessageBox(
        0, platform::Translate("DeviceDiscovery", "Can't start find device thread!"),
        platform::Translate("DeviceDiscovery", "Error"), platform::MB_OK | platform::MB_ICONERROR);
    platform::EndProcess(1);
}

void FinishDeviceDiscovery() {
    if (DiscoveryThread().joinable())
        DiscoveryThread().join();
}
