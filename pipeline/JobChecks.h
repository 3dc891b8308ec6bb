// What a job checks before its first conversion, so that it never fails late
// for a reason it could have seen at the start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "media/MediaItem.h"

struct JobInputs {
    std::vector<std::string> videos;           // sources still to be read
    std::vector<std::string> menuBackgrounds;  // when the job makes menus
    std::optional<std::string> volumeLabel;    // when the job burns
    std::string workingFolder;                 // ending with '/'
    double neededMB = 0;                       // what the working folder must take
};

// Every problem found, one sentence each; empty when the job may start.
// Creates the working folder (with missing parents) when it is missing.
std::vector<std::string> CheckJobInputs(const JobInputs& inputs);

// Megabytes the working folder must take: the streams still to be made,
// when authoring follows the DVD folder made of all of them, and when a disc
// image is written (beside the DVD folder) the image as well.
double WorkingSpaceMB(const MediaList& toConvert, const MediaList& all, bool authoring,
                      int videoKbps, bool image = false);

// The one message listing them.
std::string DescribeJobProblems(const std::vector<std::string>& problems);
