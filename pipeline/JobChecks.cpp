#include "pipeline/JobChecks.h"

#include <cstdio>

#include "components/burner/VolumeLabel.h"
#include "media/Estimate.h"
#include "media/MediaCheck.h"
#include "media/Pictures.h"
#include "platform/Files.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

std::vector<std::string> CheckJobInputs(const JobInputs& inputs) {
    std::vector<std::string> problems;
    for (const std::string& video : inputs.videos)
        if (VideoFileCheck check = CheckVideoFile(video); !check.ok())
            problems.push_back(
                FillIn(Translate("AuthoringJob", "Cannot use %1: %2."), {video, check.reason}));
    for (const std::string& background : inputs.menuBackgrounds)
        if (const platform::Result<void> checked = CheckMenuBackground(background); !checked)
            problems.push_back(checked.error());
    if (inputs.volumeLabel)
        if (const platform::Result<void> label = burner::CheckVolumeLabel(*inputs.volumeLabel);
            !label)
            problems.push_back(label.error());

    const std::string& folder = inputs.workingFolder;
    if (folder.empty()) {
        problems.push_back(Translate("AuthoringJob", "No working folder is set."));
        return problems;
    }
    if (const platform::Result<void> made = platform::PathExists(folder)
                                                ? platform::Result<void>()
                                                : platform::CreateFolders(folder);
        !made) {
        problems.push_back(FillIn(Translate("AuthoringJob", "Can't create working folder! %1: %2."),
                                  {folder, made.error()}));
        return problems;
    }
    if (const platform::Result<void> writable = platform::CheckFolderWritable(folder); !writable) {
        const std::string& problem = writable.error();
        problems.push_back(
            FillIn(Translate("AuthoringJob", "The working folder %1 cannot be written: %2."),
                   {folder, problem}));
        return problems;
    }
    const std::int64_t free = platform::FreeBytes(folder);
    if (free >= 0 && free / 1048576.0 < inputs.neededMB) {
        char needed[32];
        char available[32];
        std::snprintf(needed, sizeof needed, "%.0f", inputs.neededMB);
        std::snprintf(available, sizeof available, "%.0f", free / 1048576.0);
        problems.push_back(FillIn(Translate("AuthoringJob",
                                            "Not enough free space in the working folder %1: "
                                            "about %2 MB are needed, %3 MB are free."),
                                  {folder, needed, available}));
    }
    return problems;
}

double WorkingSpaceMB(const MediaList& toConvert, const MediaList& all, bool authoring,
                      int videoKbps, bool image) {
    return EstimateDiscUsageMB(toConvert, videoKbps) +
           ((authoring ? 1 : 0) + (image ? 1 : 0)) * EstimateDiscUsageMB(all, videoKbps);
}

std::string DescribeJobProblems(const std::vector<std::string>& problems) {
    std::string text =
        Translate("AuthoringJob", "The disc cannot be made until these problems are solved:");
    for (const std::string& problem : problems)
        text += "\n- " + problem;
    return text;
}
