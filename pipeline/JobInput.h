// What an authoring job takes and what it gives back, as plain values: the
// windows and the command line each build a JobInput, the worker returns a
// JobResult.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/MediaItem.h"
#include "pipeline/AuthoringJob.h"

class IDiscBurner;

struct JobInput {
    MediaList videos;           // in the order of the disc, each with its stream's name
    JobParameters params;       // derived once, before the job starts
    std::string programFolder;  // the engine libraries and installed pictures, ending with '/'
    std::string workingFolder;  // ending with '/'
    std::string titleMenuBackground;
    std::string rootMenuBackground;
    std::string discTitle;  // shown in the title menu's band; empty: none
    std::string volumeLabel;
    std::int32_t deviceIndex = -1;
    std::uint32_t flags = 0;  // JobFlags: the stages to run
    // The DVD folder to burn when this run does not author one.
    std::string dvdFolder;
    std::shared_ptr<IDiscBurner> burner;
    // The next running number of the stream names, for a stream that must be
    // renamed because another file has its name.
    std::function<int()> takeRunningNumber;
    // The language whose subtitles show from the start; empty: none shows
    // unless forced.
    std::string defaultSubtitle;
};

enum class JobOutcome { Done, Failed, Aborted };

struct JobResult {
    JobOutcome outcome = JobOutcome::Done;
    std::string errorText;  // what failed, as it was shown
    std::string dvdFolder;  // the DVD folder authored or burned
    std::string imageFile;  // the image file written
    std::string burnedDrive;
    // The videos with the streams they got (a later run takes them again).
    MediaList videos;
    // The stages still to run: a finished stage is not repeated by a restart.
    std::uint32_t flagsLeft = 0;
    // The disc checks of the run, line by line, each headed by what was checked.
    std::vector<std::string> discCheckLines;
};
