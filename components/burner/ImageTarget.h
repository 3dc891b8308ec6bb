// Where the image device writes: beside the DVD folder, named after it.
#pragma once

#include <memory>
#include <string>

#include "platform/FileLock.h"
#include "platform/Result.h"

namespace burner {

// The VIDEO_TS folder without trailing slashes, checked to be a DVD-Video
// folder (named VIDEO_TS and holding VIDEO_TS.IFO); a failure when it is not.
platform::Result<std::string> CheckVideoTsFolder(const std::string& videoTsFolder);

// The folder that holds VIDEO_TS (".../DVD_3" for ".../DVD_3/VIDEO_TS").
std::string DvdFolderOf(const std::string& videoTsFolder);

// The disc image of a DVD folder while it is written: a partial file beside
// the folder (the final name + ".part"), locked while it is written, which
// gets its final name only when complete. A kill therefore never leaves a
// file under an image's name. The final name is ".../DVD_3.iso", else
// ".../DVD_3-2.iso", and so on: no existing file is ever overwritten.
class PendingImage {
  public:
    // Creates the partial file; a failure when it cannot be made.
    static platform::Result<std::unique_ptr<PendingImage>> Reserve(const std::string& dvdFolder);
    // Removes the partial file unless it was published.
    ~PendingImage();
    PendingImage(const PendingImage&) = delete;
    PendingImage& operator=(const PendingImage&) = delete;

    const std::string& PartialPath() const { return partial_; }
    // The name the image will get unless another file takes it meanwhile.
    std::string IntendedPath() const;
    // Gives the complete image the first free final name and returns it.
    platform::Result<std::string> Publish();

  private:
    PendingImage(std::string base, int number, std::string partial, platform::FileLock lock);

    std::string base_;
    int number_;
    std::string partial_;
    platform::FileLock lock_;
    bool published_ = false;
};

}  // namespace burner
