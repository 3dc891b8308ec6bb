// The disc burner component: lists the drives and writes a VIDEO_TS folder to
// a blank disc, or to a disc image file through its last device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "platform/Translation.h"
#include "platform/Window.h"

// Sent to the window given to BurnFolder while a burn runs: wParam is the
// percent done (1 to 100) or 0; lParam 0 announces a message, nonzero a
// failure. The text is read with GetLastMessage.
constexpr std::uint32_t WM_BURN_PROGRESS = 4024;

// One device's record. The caller reads only the five capability words; a
// device with any of them nonzero can burn a DVD.
struct BurnerDeviceInfo {
    // Byte offsets of the capability words.
    static constexpr std::size_t kDvdMinusR = 424;
    static constexpr std::size_t kDvdMinusRw = 428;
    static constexpr std::size_t kDvdPlusR = 444;
    static constexpr std::size_t kDvdPlusRw = 448;
    static constexpr std::size_t kDvdRam = 452;
    // The device address (zero-terminated) at the start of the record.
    static constexpr std::size_t kAddressSize = 256;

    std::uint8_t bytes[456];

    std::uint32_t Word(std::size_t offset) const {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes + offset, sizeof value);
        return value;
    }
    void SetWord(std::size_t offset, std::uint32_t value) {
        std::memcpy(bytes + offset, &value, sizeof value);
    }
    bool CanBurn() const {
        return Word(kDvdMinusR) != 0 || Word(kDvdMinusRw) != 0 || Word(kDvdPlusR) != 0 ||
               Word(kDvdPlusRw) != 0 || Word(kDvdRam) != 0;
    }
};
static_assert(sizeof(BurnerDeviceInfo) == 456);

// Every method returns 0 on success and a negative status on failure; the
// failure's text is then available from GetLastMessage. All methods may be
// called from any thread.
class IDiscBurner {
  public:
    static constexpr std::int32_t kOk = 0;
    static constexpr std::int32_t kFailed = -1;

    virtual ~IDiscBurner() = default;
    // Looks for drives again. *result is 0 on success.
    virtual std::int32_t ScanDevices(std::int32_t* result) = 0;
    // Copies the text of the last message (zero-terminated, cut to size).
    virtual std::int32_t GetLastMessage(char* buffer, std::int32_t size) = 0;
    virtual std::int32_t GetDeviceName(std::int32_t index, char* buffer, std::int32_t size,
                                       std::int32_t* result) = 0;
    // Writes the VIDEO_TS folder to the device; returns when the burn has
    // ended. *result is 0 when the disc (or image) was written.
    virtual std::int32_t BurnFolder(std::int32_t index, const char* videoTsFolder,
                                    const char* label, platform::HWND window,
                                    std::int32_t* result) = 0;
    // The number of devices; waits for a drive scan that is running.
    virtual std::int32_t GetDeviceCount(std::int32_t* count) = 0;
    virtual std::int32_t GetDeviceInfo(BurnerDeviceInfo* info, std::int32_t index,
                                       std::int32_t* result) = 0;
    // Stops a running BurnFolder; it then fails with "Burn cancelled.".
    virtual void Cancel() = 0;
    // The image file the last successful burn to the image device wrote.
    virtual std::string LastImagePath() const = 0;
    // The write speed of the next burns in times DVD speed (1x = 1385 kB/s),
    // 0 for the drive's best; a drive that cannot write that fast takes its
    // nearest speed, an image file ignores it. Outside 0 to kMaxDvdSpeed it
    // is refused (kFailed, the reason in GetLastMessage) and stays as it was.
    virtual std::int32_t SetBurnSpeed(std::int32_t timesDvd) = 0;
    // Whether BurnFolder reads the written data back and compares it with
    // what it sent (on until switched off).
    virtual void SetReadBack(bool on) = 0;
    // Runs on what each burn wrote once it is written (and read back): path
    // is where it reads as a disc (the drive's device, for a "stdio:" drive
    // its file, or a complete image before it takes its final name), name
    // what to call it. A non-empty answer fails the burn with that reason and
    // leaves no image behind. None by default.
    using WrittenDiscCheck =
        std::function<std::string(const std::string& path, const std::string& name)>;
    virtual void SetWrittenDiscCheck(WrittenDiscCheck check) = 0;
};

// The fastest DVD writing speed, in times DVD speed.
inline constexpr std::int32_t kMaxDvdSpeed = 24;

// The name of the device that writes a disc image file; always the last one.
inline constexpr const char* kImageDeviceName = QUORVA_TEXT("DiscBurner", "Disc image file (ISO)");

std::shared_ptr<IDiscBurner> CreateDiscBurner();
