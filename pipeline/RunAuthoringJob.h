// The worker: turns a JobInput into a DVD folder and burns it.
#pragma once

#include <atomic>

#include "pipeline/JobEvents.h"
#include "pipeline/JobInput.h"

// Runs the stages set in input.flags one after another, reporting through
// events, until they are done, one fails or cancel is set (looked at between
// stages and inside each). Ends with events.Finished(result) and returns the
// same result. Never throws and never ends the process: every failure fails
// the job with its message.
JobResult RunAuthoringJob(const JobInput& input, JobEvents& events,
                          const std::atomic<bool>& cancel);
