#include "components/burner/LibburnDiscBurner.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "components/burner/DiscWriter.h"
#include "components/burner/ImageTarget.h"
#include "components/burner/IsoImageProcess.h"
#include "components/burner/VolumeLabel.h"
#include "platform/Files.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

namespace burner {
namespace {

constexpr std::int64_t kSectorBytes = 2048;
constexpr auto kProgressInterval = std::chrono::milliseconds(500);

void CopyText(const std::string& text, char* buffer, std::int32_t size) {
    if (buffer == nullptr || size <= 0) {
        return;
    }
    std::size_t count = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

std::vector<std::string> SplitAddresses(const char* text) {
    std::vector<std::string> addresses;
    std::string all = text == nullptr ? "" : text;
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t end = all.find(';', start);
        if (end == std::string::npos) {
            end = all.size();
        }
        if (end > start) {
            addresses.push_back(all.substr(start, end - start));
        }
        start = end + 1;
    }
    return addresses;
}

// The file a player reads for a drive address: "stdio:" drives are files.
std::string DiscPathOf(const std::string& address) {
    constexpr std::string_view kStdio = "stdio:";
    return address.rfind(kStdio, 0) == 0 ? address.substr(kStdio.size()) : address;
}

}  // namespace

LibburnDiscBurner::LibburnDiscBurner(std::vector<std::string> extraDriveAddresses)
    : extraAddresses_(std::move(extraDriveAddresses)) {
    if (auto library = LibburnLibrary::Acquire()) {
        library_ = *library;
    } else {
        lastMessage_ = library.error();
    }
}

LibburnDiscBurner::~LibburnDiscBurner() = default;

void LibburnDiscBurner::ScanLocked() {
    std::string warning;
    if (library_) {
        devices_ = burner::ScanDevices(*library_, extraAddresses_, &warning);
    } else {
        devices_ = {ImageDevice()};
    }
    scanned_ = true;
    std::lock_guard lock(messageMutex_);
    std::size_t drives = devices_.size() - 1;
    lastMessage_ = warning + FillIn(drives == 1 ? Translate("Burner", "%1 drive found.")
                                                : Translate("Burner", "%1 drives found."),
                                    {std::to_string(drives)});
}

std::int32_t LibburnDiscBurner::Fail(const std::string& text, std::int32_t* result) {
    {
        std::lock_guard lock(messageMutex_);
        lastMessage_ = text;
    }
    if (result != nullptr) {
        *result = 1;
    }
    return kFailed;
}

std::int32_t LibburnDiscBurner::ScanDevices(std::int32_t* result) {
    std::lock_guard lock(deviceMutex_);
    if (burning_) {
        // Scanning would disturb libburn's table while a drive is in use.
        return Fail(
            platform::Translate("Burner", "The drives cannot be scanned while a burn is running."),
            result);
    }
    ScanLocked();
    if (result != nullptr) {
        *result = 0;
    }
    return kOk;
}

std::int32_t LibburnDiscBurner::GetLastMessage(char* buffer, std::int32_t size) {
    std::lock_guard lock(messageMutex_);
    CopyText(lastMessage_, buffer, size);
    return kOk;
}

std::int32_t LibburnDiscBurner::GetDeviceCount(std::int32_t* count) {
    std::lock_guard lock(deviceMutex_);
    if (!scanned_) {
        ScanLocked();
    }
    if (count != nullptr) {
        *count = static_cast<std::int32_t>(devices_.size());
    }
    return kOk;
}

bool LibburnDiscBurner::FindDevice(std::int32_t index, DeviceEntry* entry) {
    std::lock_guard lock(deviceMutex_);
    if (!scanned_) {
        ScanLocked();
    }
    if (index < 0 || static_cast<std::size_t>(index) >= devices_.size()) {
        return false;
    }
    *entry = devices_[static_cast<std::size_t>(index)];
    return true;
}

std::int32_t LibburnDiscBurner::GetDeviceName(std::int32_t index, char* buffer, std::int32_t size,
                                              std::int32_t* result) {
    DeviceEntry entry;
    if (!FindDevice(index, &entry)) {
        return Fail(platform::FillIn(platform::Translate("Burner", "There is no device number %1."),
                                     {std::to_string(index)}),
                    result);
    }
    CopyText(entry.name, buffer, size);
    if (result != nullptr) {
        *result = 0;
    }
    return kOk;
}

std::int32_t LibburnDiscBurner::GetDeviceInfo(BurnerDeviceInfo* info, std::int32_t index,
                                              std::int32_t* result) {
    DeviceEntry entry;
    if (!FindDevice(index, &entry)) {
        return Fail(platform::FillIn(platform::Translate("Burner", "There is no device number %1."),
                                     {std::to_string(index)}),
                    result);
    }
    if (info != nullptr) {
        *info = entry.info;
    }
    if (result != nullptr) {
        *result = 0;
    }
    return kOk;
}

void LibburnDiscBurner::Cancel() {
    cancel_ = true;
}

std::string LibburnDiscBurner::LastImagePath() const {
    std::lock_guard lock(messageMutex_);
    return lastImagePath_;
}

std::int32_t LibburnDiscBurner::SetBurnSpeed(std::int32_t timesDvd) {
    if (timesDvd < 0 || timesDvd > kMaxDvdSpeed)
        return Fail(FillIn(Translate("Burner",
                                     "There is no burn speed of %1 times DVD speed: "
                                     "choose 1 to %2, or 0 for the drive's best."),
                           {std::to_string(timesDvd), std::to_string(kMaxDvdSpeed)}),
                    nullptr);
    speed_ = timesDvd;
    return kOk;
}

void LibburnDiscBurner::SetReadBack(bool on) {
    readBack_ = on;
}

void LibburnDiscBurner::SetWrittenDiscCheck(WrittenDiscCheck check) {
    std::lock_guard lock(messageMutex_);
    writtenCheck_ = std::move(check);
}

void LibburnDiscBurner::Notify(platform::HWND window, int percent, bool failed,
                               const std::string& text) {
    {
        std::lock_guard lock(messageMutex_);
        lastMessage_ = text;
    }
    if (window != 0) {
        platform::SendMessage(window, WM_BURN_PROGRESS, static_cast<platform::WPARAM>(percent),
                              failed ? 1 : 0);
    }
}

std::int32_t LibburnDiscBurner::BurnFolder(std::int32_t index, const char* videoTsFolder,
                                           const char* label, platform::HWND window,
                                           std::int32_t* result) {
    if (result != nullptr) {
        *result = 1;
    }
    DeviceEntry device;
    std::string refusal;
    {
        std::lock_guard lock(deviceMutex_);
        if (!scanned_) {
            ScanLocked();
        }
        if (index < 0 || static_cast<std::size_t>(index) >= devices_.size()) {
            refusal = index < 0 ? platform::Translate("Burner", "No burning device was chosen.")
                                : platform::FillIn(platform::Translate(
                                                       "Burner", "There is no device number %1."),
                                                   {std::to_string(index)});
        } else if (burning_) {
            refusal = platform::Translate("Burner", "Another burn is already running.");
        } else {
            device = devices_[static_cast<std::size_t>(index)];
            burning_ = true;
            cancel_ = false;
        }
    }
    if (!refusal.empty()) {
        Notify(window, 0, true, refusal);
        return kFailed;
    }

    const platform::Result<void> burnt = Burn(device, videoTsFolder == nullptr ? "" : videoTsFolder,
                                              label == nullptr ? "" : label, window);
    {
        std::lock_guard lock(deviceMutex_);
        burning_ = false;
    }
    if (!burnt) {
        // A cancelled burn was the user's wish: a log line, not an error.
        Notify(window, 0, !cancel_, burnt.error());
        return kFailed;
    }
    if (result != nullptr) {
        *result = 0;
    }
    return kOk;
}

platform::Result<void> LibburnDiscBurner::Burn(const DeviceEntry& device,
                                               const std::string& videoTsFolder,
                                               const std::string& label, platform::HWND window) {
    using platform::Fail;
    if (!library_) {
        std::lock_guard lock(messageMutex_);
        return Fail(lastMessage_);
    }
    const platform::Result<std::string> folder = CheckVideoTsFolder(videoTsFolder);
    if (!folder) {
        return folder.failure();
    }
    if (platform::Result<void> refusal = CheckVolumeLabel(label); !refusal) {
        return refusal.failure();
    }
    IsoImageRequest request{DvdFolderOf(*folder), label};
    Notify(window, 0, false,
           FillIn(Translate("Burner", "Preparing the DVD file system of \"%1\" ..."),
                  {request.dvdFolder}));
    const platform::Result<std::int64_t> measured = MeasureIsoImage(request);
    if (!measured) {
        return measured.failure();
    }
    const std::int64_t sectors = *measured;
    if (cancel_) {
        return Fail(Translate("Burner", "Burn cancelled."));
    }

    std::string address = device.address;
    // A failed or unfinished image file is removed when this goes.
    std::unique_ptr<PendingImage> image;
    if (device.isImage) {
        auto reserved = PendingImage::Reserve(request.dvdFolder);
        if (!reserved) {
            return reserved.failure();
        }
        image = std::move(*reserved);
        address = "stdio:" + image->PartialPath();
    }

    auto started = IsoImageProcess::Start(request);
    if (!started) {
        return started.failure();
    }
    std::unique_ptr<IsoImageProcess> producer = std::move(*started);
    int lastPercent = 0;
    auto lastSent = std::chrono::steady_clock::now() - kProgressInterval;
    WriteEvents events;
    // An image file has no disc to close: its writing names the file instead.
    events.phase = [&, announced = false](const std::string& text) mutable {
        if (!device.isImage) {
            Notify(window, lastPercent, false, Translate("Burner", text.c_str()));
        } else if (text == kVerifyingPhase) {
            Notify(window, lastPercent, false,
                   FillIn(Translate("Burner", "Verifying disc image \"%1\" ..."),
                          {image->IntendedPath()}));
        } else if (!announced) {
            announced = true;
            Notify(window, lastPercent, false,
                   FillIn(Translate("Burner", "Writing disc image \"%1\" ..."),
                          {image->IntendedPath()}));
        }
    };
    events.progress = [&](int percent) {
        auto now = std::chrono::steady_clock::now();
        if (percent > lastPercent && now - lastSent >= kProgressInterval) {
            lastPercent = percent;
            lastSent = now;
            Notify(window, percent, false,
                   FillIn(Translate("Burner", "Written %1% ..."), {std::to_string(percent)}));
        }
    };
    platform::Result<void> produced;
    events.writingEnded = [&](bool complete) {
        // After a complete write the program ends by itself at once.
        produced = producer->Finish(complete ? std::chrono::seconds(5) : std::chrono::seconds(0));
    };
    // genisoimage writes the whole label into UDF and the same bytes into the
    // ISO 9660 volume id, which holds fewer characters.
    WriteJob job{address,
                 producer->TakeImageFd(),
                 sectors * kSectorBytes,
                 readBack_,
                 IsoVolumeIdPatch(IsoVolumeId(label)),
                 speed_ * kDvdSpeedKBps};
    platform::Result<void> written = WriteDisc(*library_, job, events, cancel_);
    if (platform::Result<void> stopped = producer->Finish(); produced) {
        produced = stopped;
    }
    if (!written) {
        return written;
    }
    // The drive may have been fed zeros for what the program failed to make.
    if (!produced) {
        return produced;
    }
    if (device.isImage) {
        std::int64_t size = platform::FileSize(image->PartialPath());
        if (size != sectors * kSectorBytes) {
            return Fail(
                FillIn(Translate("Burner", "The disc image \"%1\" is incomplete (%2 of %3 bytes)."),
                       {image->PartialPath(), std::to_string(size),
                        std::to_string(sectors * kSectorBytes)}));
        }
    }
    WrittenDiscCheck check;
    {
        std::lock_guard lock(messageMutex_);
        check = writtenCheck_;
    }
    // An image takes its final name only once it has passed.
    if (check) {
        // The check's record answers with a reason, empty when the disc passed.
        std::string failure = device.isImage ? check(image->PartialPath(), image->IntendedPath())
                                             : check(DiscPathOf(address), device.name);
        if (!failure.empty()) {
            return Fail(std::move(failure));
        }
    }
    if (device.isImage) {
        const platform::Result<std::string> published = image->Publish();
        if (!published) {
            return published.failure();
        }
        const std::string& imagePath = *published;
        {
            std::lock_guard lock(messageMutex_);
            lastImagePath_ = imagePath;
        }
        Notify(window, 100, false,
               FillIn(Translate("Burner", "Disc image written to \"%1\"."), {imagePath}));
    }
    Notify(window, 100, false, Translate("Burner", "Done."));
    return {};
}

}  // namespace burner

std::shared_ptr<IDiscBurner> CreateDiscBurner() {
    return std::make_shared<burner::LibburnDiscBurner>(
        burner::SplitAddresses(std::getenv(burner::kExtraDrivesVariable)));
}
