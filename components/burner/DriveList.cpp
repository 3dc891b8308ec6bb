#include "components/burner/DriveList.h"

#include <libburn.h>

#include "components/burner/PseudoDrive.h"
#include "platform/Translation.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace burner {
namespace {

std::string Trimmed(const char* text, std::size_t size) {
    std::string value(text, strnlen(text, size));
    while (!value.empty() && value.back() == ' ') {
        value.pop_back();
    }
    value.erase(0, std::min(value.find_first_not_of(' '), value.size()));
    return value;
}

void SetCapabilities(BurnerDeviceInfo& info, const burn::burn_drive_info& drive) {
    if (drive.write_dvdr) {
        info.SetWord(BurnerDeviceInfo::kDvdMinusR, 1);
    }
    if (drive.write_dvdram) {
        info.SetWord(BurnerDeviceInfo::kDvdRam, 1);
    }
    // Pseudo-drives on files behave like DVD-RAM (random access) or a blank
    // DVD-R (sequential).
    switch (burn::burn_drive_get_drive_role(drive.drive)) {
        case 2:
        case 4:
            info.SetWord(BurnerDeviceInfo::kDvdRam, 1);
            break;
        case 3:
        case 5:
            info.SetWord(BurnerDeviceInfo::kDvdMinusR, 1);
            break;
        default:
            break;
    }
    int count = 0;
    int profiles[64];
    char current[64];
    if (burn::burn_drive_get_all_profiles(drive.drive, &count, profiles, current) != 1) {
        return;
    }
    for (int i = 0; i < count && i < 64; ++i) {
        switch (profiles[i]) {
            case 0x11:  // DVD-R sequential
            case 0x15:  // DVD-R dual layer
            case 0x16:
                info.SetWord(BurnerDeviceInfo::kDvdMinusR, 1);
                break;
            case 0x13:  // DVD-RW restricted overwrite
            case 0x14:  // DVD-RW sequential
                info.SetWord(BurnerDeviceInfo::kDvdMinusRw, 1);
                break;
            case 0x1b:  // DVD+R
            case 0x2b:  // DVD+R dual layer
                info.SetWord(BurnerDeviceInfo::kDvdPlusR, 1);
                break;
            case 0x1a:  // DVD+RW
                info.SetWord(BurnerDeviceInfo::kDvdPlusRw, 1);
                break;
            case 0x12:  // DVD-RAM
                info.SetWord(BurnerDeviceInfo::kDvdRam, 1);
                break;
            default:
                break;
        }
    }
}

DeviceEntry Describe(const burn::burn_drive_info& drive) {
    DeviceEntry entry;
    char address[BURN_DRIVE_ADR_LEN] = {};
    if (burn::burn_drive_d_get_adr(drive.drive, address) <= 0) {
        address[0] = '\0';
    }
    entry.address = address;
    std::string vendor = Trimmed(drive.vendor, sizeof drive.vendor);
    std::string product = Trimmed(drive.product, sizeof drive.product);
    entry.name = vendor;
    if (!product.empty()) {
        entry.name += (entry.name.empty() ? "" : " ") + product;
    }
    entry.name += (entry.name.empty() ? "" : " ") + ("(" + entry.address + ")");
    std::memset(entry.info.bytes, 0, sizeof entry.info.bytes);
    std::strncpy(reinterpret_cast<char*>(entry.info.bytes), entry.address.c_str(),
                 BurnerDeviceInfo::kAddressSize - 1);
    SetCapabilities(entry.info, drive);
    return entry;
}

void AddScannedDrives(std::vector<DeviceEntry>& devices) {
    burn::burn_drive_info* drives = nullptr;
    unsigned int count = 0;
    // The scan runs in the background until it reports completion.
    int done = 0;
    while ((done = burn::burn_drive_scan(&drives, &count)) == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (done < 0 || drives == nullptr) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        devices.push_back(Describe(drives[i]));
        // Leave the drive unlocked for other programs until a burn needs it.
        burn::burn_drive_info_forget(&drives[i], 0);
    }
    burn::burn_drive_info_free(drives);
}

bool AddDriveAt(std::vector<DeviceEntry>& devices, const std::string& address) {
    burn::burn_drive_info* drives = nullptr;
    std::string copy = address;
    if (burn::burn_drive_scan_and_grab(&drives, copy.data(), 0) != 1 || drives == nullptr) {
        return false;
    }
    DeviceEntry entry = Describe(drives[0]);
    if (entry.address != address) {
        // libburn reports a pseudo-drive by its file path alone.
        std::string shown = "(" + entry.address + ")";
        entry.name.replace(entry.name.rfind(shown), shown.size(), "(" + address + ")");
        entry.address = address;
        std::memset(entry.info.bytes, 0, BurnerDeviceInfo::kAddressSize);
        std::strncpy(reinterpret_cast<char*>(entry.info.bytes), address.c_str(),
                     BurnerDeviceInfo::kAddressSize - 1);
    }
    devices.push_back(entry);
    burn::burn_drive_release(drives[0].drive, 0);
    burn::burn_drive_info_free(drives);
    return true;
}

}  // namespace

DeviceEntry ImageDevice() {
    DeviceEntry entry;
    entry.name = kImageDeviceName;
    entry.isImage = true;
    std::memset(entry.info.bytes, 0, sizeof entry.info.bytes);
    // An image file can hold any disc.
    for (std::size_t offset :
         {BurnerDeviceInfo::kDvdMinusR, BurnerDeviceInfo::kDvdMinusRw, BurnerDeviceInfo::kDvdPlusR,
          BurnerDeviceInfo::kDvdPlusRw, BurnerDeviceInfo::kDvdRam}) {
        entry.info.SetWord(offset, 1);
    }
    return entry;
}

std::vector<DeviceEntry> ScanDevices(LibburnLibrary& library,
                                     const std::vector<std::string>& extraAddresses,
                                     std::string* warning) {
    std::vector<DeviceEntry> devices;
    {
        std::lock_guard lock(library.DriveTableMutex());
        AddScannedDrives(devices);
        for (const std::string& address : extraAddresses) {
            if (const platform::Result<void> usable = CheckPseudoDrive(address); !usable) {
                if (warning != nullptr) {
                    *warning += platform::FillIn(
                        platform::Translate("Burner", "The drive \"%1\" is left out: %2"),
                        {address, usable.error()});
                    *warning += ' ';
                }
                continue;
            }
            if (!AddDriveAt(devices, address) && warning != nullptr) {
                std::string reason = library.TakeMessages();
                *warning += (reason.empty()
                                 ? platform::FillIn(
                                       platform::Translate(
                                           "Burner", "The drive \"%1\" could not be examined."),
                                       {address})
                                 : platform::FillIn(
                                       platform::Translate(
                                           "Burner", "The drive \"%1\" could not be examined: %2."),
                                       {address, reason})) +
                            " ";
            }
        }
        library.TakeMessages();
    }
    devices.push_back(ImageDevice());
    return devices;
}

}  // namespace burner
