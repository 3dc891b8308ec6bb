#include "components/burner/ImageTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Files.h"
#include "platform/Translation.h"

namespace burner {
namespace {

constexpr int kMaxNumber = 9999;

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string LastName(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

platform::Result<std::string> CheckVideoTsFolder(const std::string& videoTsFolder) {
    std::string folder = WithoutTrailingSlashes(videoTsFolder);
    if (folder.empty() || !platform::IsFolder(folder)) {
        return platform::Fail(
            platform::FillIn(platform::Translate("Burner", "The DVD folder \"%1\" does not exist."),
                             {videoTsFolder}));
    }
    if (LastName(folder) != "VIDEO_TS") {
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner", "The folder \"%1\" is not a VIDEO_TS folder."),
            {videoTsFolder}));
    }
    if (!platform::IsRegularFile(folder + "/VIDEO_TS.IFO")) {
        return platform::Fail(platform::FillIn(
            platform::Translate("Burner",
                                "The folder \"%1\" holds no DVD-Video (VIDEO_TS.IFO is missing)."),
            {videoTsFolder}));
    }
    return folder;
}

std::string DvdFolderOf(const std::string& videoTsFolder) {
    std::string folder = WithoutTrailingSlashes(videoTsFolder);
    std::size_t slash = folder.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : folder.substr(0, slash);
}

namespace {

std::string ImageName(const std::string& base, int number) {
    return base + (number == 1 ? "" : "-" + std::to_string(number)) + ".iso";
}

}  // namespace

PendingImage::PendingImage(std::string base, int number, std::string partial,
                           platform::FileLock lock)
    : base_(std::move(base)),
      number_(number),
      partial_(std::move(partial)),
      lock_(std::move(lock)) {}

PendingImage::~PendingImage() {
    if (!published_)
        platform::RemoveFile(partial_);
}

platform::Result<std::unique_ptr<PendingImage>> PendingImage::Reserve(
    const std::string& dvdFolder) {
    std::string base = WithoutTrailingSlashes(dvdFolder);
    if (base == "/" || LastName(base).empty() || LastName(base) == "." || LastName(base) == "..") {
        // No name to derive from: the image goes into the folder itself.
        base = (base == "/" ? "" : base) + "/DVD";
    }
    for (int number = 1; number <= kMaxNumber; ++number) {
        const std::string image = ImageName(base, number);
        if (platform::PathExists(image))
            continue;
        const std::string partial = image + ".part";
        // An existing partial file is another run's image in the making, a
        // killed run's leftover (cleared with the working folder's record) or
        // somebody else's (a browser's unfinished download): it stays.
        int fd = open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return platform::Fail(platform::FillIn(
                platform::Translate("Burner", "Cannot create the disc image file \"%1\": %2."),
                {image, std::strerror(errno)}));
        }
        close(fd);
        platform::FileLock lock = platform::FileLock::Take(partial, platform::FileLock::Wait::No,
                                                           platform::FileLock::Create::No);
        if (!lock.Held())
            continue;  // taken over between the two steps: try the next name
        return std::unique_ptr<PendingImage>(
            new PendingImage(base, number, partial, std::move(lock)));
    }
    return platform::Fail(platform::FillIn(
        platform::Translate("Burner", "Cannot find a free name for the disc image beside \"%1\"."),
        {base}));
}

std::string PendingImage::IntendedPath() const {
    return ImageName(base_, number_);
}

platform::Result<std::string> PendingImage::Publish() {
    for (int number = number_; number <= kMaxNumber; ++number) {
        std::string image = ImageName(base_, number);
        if (platform::RenameNoReplace(partial_, image)) {
            published_ = true;
            return image;
        }
        const int why = errno;
        if (!platform::PathExists(image)) {
            return platform::Fail(platform::FillIn(
                platform::Translate("Burner", "Cannot name the disc image \"%1\": %2."),
                {image, std::strerror(why)}));
        }
    }
    return platform::Fail(platform::FillIn(
        platform::Translate("Burner", "Cannot find a free name for the disc image beside \"%1\"."),
        {base_}));
}

}  // namespace burner
