// The application's side of an authoring job: the job's input taken from the
// loaded options and the video list, and its result stored back.
#pragma once

#include <cstdint>
#include <string>

#include "pipeline/JobInput.h"

class CQuorvaApp;

struct JobChoices {
    std::uint32_t flags = 0;
    std::int32_t deviceIndex = -1;
    std::string volumeLabel{};
    int discType = 0;               // the disc the videos go on, which "Fit to disc" fills
    std::string defaultSubtitle{};  // the language whose subtitles show from the start
};

// The job as the options, the video list and the DVD folder of app stand.
JobInput MakeJobInput(CQuorvaApp& app, const JobChoices& choices);

// Keeps what a run made: the videos with their streams' names and the DVD
// folder (for a later burn).
void KeepJobResult(CQuorvaApp& app, const JobResult& result);
