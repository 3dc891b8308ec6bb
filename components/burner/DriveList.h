// The devices the burner offers: the optical drives libburn finds, any extra
// drive addresses it was given, and last the disc image device.
#pragma once

#include <string>
#include <vector>

#include "components/burner/LibburnLibrary.h"
#include "engines/DiscBurner.h"

namespace burner {

struct DeviceEntry {
    std::string name;     // as listed to the user
    std::string address;  // libburn's drive address; empty for the image device
    bool isImage = false;
    BurnerDeviceInfo info{};
};

// Scans for drives (libburn's scan, then each extra address such as
// "stdio:/path"), releasing every drive afterwards, and appends the image
// device. *warning tells about drives that could not be examined.
std::vector<DeviceEntry> ScanDevices(LibburnLibrary& library,
                                     const std::vector<std::string>& extraAddresses,
                                     std::string* warning);

DeviceEntry ImageDevice();

}  // namespace burner
