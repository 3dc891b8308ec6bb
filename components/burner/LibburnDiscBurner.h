// The disc burner on libburn: optical drives, then the disc image device.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "components/burner/DriveList.h"
#include "components/burner/LibburnLibrary.h"
#include "engines/DiscBurner.h"

namespace burner {

// The environment variable with extra drive addresses (';'-separated, for
// example "stdio:/srv/disc.img"), listed after the optical drives.
inline constexpr const char* kExtraDrivesVariable = "QUORVA_BURNER_EXTRA_DRIVES";

class LibburnDiscBurner : public IDiscBurner {
  public:
    explicit LibburnDiscBurner(std::vector<std::string> extraDriveAddresses = {});
    ~LibburnDiscBurner() override;

    std::int32_t ScanDevices(std::int32_t* result) override;
    std::int32_t GetLastMessage(char* buffer, std::int32_t size) override;
    std::int32_t GetDeviceName(std::int32_t index, char* buffer, std::int32_t size,
                               std::int32_t* result) override;
    std::int32_t BurnFolder(std::int32_t index, const char* videoTsFolder, const char* label,
                            platform::HWND window, std::int32_t* result) override;
    std::int32_t GetDeviceCount(std::int32_t* count) override;
    std::int32_t GetDeviceInfo(BurnerDeviceInfo* info, std::int32_t index,
                               std::int32_t* result) override;
    void Cancel() override;
    std::string LastImagePath() const override;
    std::int32_t SetBurnSpeed(std::int32_t timesDvd) override;
    void SetReadBack(bool on) override;
    void SetWrittenDiscCheck(WrittenDiscCheck check) override;

  private:
    // Scans when no scan has been made yet; deviceMutex_ is held.
    void ScanLocked();
    // The device at index, or a failure message.
    bool FindDevice(std::int32_t index, DeviceEntry* entry);
    std::int32_t Fail(const std::string& text, std::int32_t* result);
    // Sets the message text, then tells the window (no lock is held meanwhile,
    // so its handler may call back).
    void Notify(platform::HWND window, int percent, bool failed, const std::string& text);
    // The burn itself.
    platform::Result<void> Burn(const DeviceEntry& device, const std::string& videoTsFolder,
                                const std::string& label, platform::HWND window);

    std::shared_ptr<LibburnLibrary> library_;
    std::vector<std::string> extraAddresses_;

    std::mutex deviceMutex_;  // held for the whole of a scan
    std::vector<DeviceEntry> devices_;
    bool scanned_ = false;
    bool burning_ = false;

    std::atomic<bool> cancel_{false};
    std::atomic<bool> readBack_{true};
    std::atomic<std::int32_t> speed_{0};  // times DVD speed; 0: the drive's best

    mutable std::mutex messageMutex_;
    std::string lastMessage_;
    std::string lastImagePath_;
    WrittenDiscCheck writtenCheck_;
};

}  // namespace burner
