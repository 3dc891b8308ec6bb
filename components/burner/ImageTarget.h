// Where the image device writes: beside the DVD folder, named after it.
#pragma once

#include <string>

namespace burner {

// The VIDEO_TS folder without trailing slashes, checked to be a DVD-Video
// folder (named VIDEO_TS and holding VIDEO_TS.IFO). Empty with *error set
// when it is not.
std::string CheckVideoTsFolder(const std::string& videoTsFolder, std::string* error);

// The folder that holds VIDEO_TS (".../DVD_3" for ".../DVD_3/VIDEO_TS").
std::string DvdFolderOf(const std::string& videoTsFolder);

// Creates the image file for the DVD folder exclusively, so that no existing
// file is ever overwritten: ".../DVD_3.iso", else ".../DVD_3-2.iso", and so
// on. Returns its path, or empty with *error set.
std::string ReserveImageFile(const std::string& dvdFolder, std::string* error);

}  // namespace burner
