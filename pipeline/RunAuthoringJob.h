// The worker: turns a JobInput into a DVD folder and burns it.
#pragma once

#include "pipeline/JobEvents.h"
#include "pipeline/JobInput.h"
#include "platform/CancelSignal.h"

// Runs the stages set in input.flags one after another, reporting through
// events, until they are done, one fails or cancel is cancelled (which stops a
// conversion under way at once). Ends with events.Finished(result) and returns the
// same result. Never throws and never ends the process: every failure fails
// the job with its message.
JobResult RunAuthoringJob(const JobInput& input, JobEvents& events, platform::CancelSignal& cancel);
