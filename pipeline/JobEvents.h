// How a running job reports: one interface, called on the worker's thread
// (burn progress may come from the burner's own thread). The progress window,
// the command line and the tests each have an adapter.
#pragma once

#include <string>

#include "pipeline/AuthoringJob.h"
#include "pipeline/JobInput.h"
#include "pipeline/JobProgress.h"

struct BurnProgress {
    int percent = 0;      // 1 to 100, 0 when the message has no figure
    std::string text;     // the burner's message
    bool failed = false;  // the message is the burn's failure
};

// Tells a burner message that opens a new phase ("Writing disc image ...")
// from the repeats of the same message with a new percentage.
class BurnPhases {
  public:
    // True when progress is a message worth a log line of its own.
    bool IsNewPhase(const BurnProgress& progress) {
        const bool fresh = !progress.failed && !progress.text.empty() && progress.text != last_;
        last_ = progress.text;
        return fresh;
    }

  private:
    std::string last_;
};

// What the job asks the user, and how.
struct JobQuestion {
    enum class Kind {
        GoOnAnyway,  // a warning: make the disc all the same? (yes or no)
        DoThenGoOn,  // the user is to do something first, then go on (or stop)
    };
    Kind kind = Kind::GoOnAnyway;
    std::string text;
    std::string caption;
};

// Yes goes on; No (also a question closed or not asked) does not.
enum class JobAnswer { Yes, No };

class JobEvents {
  public:
    virtual ~JobEvents() = default;
    // The worker enters a stage; it looks at the cancel flag right after.
    virtual void StageBegins(JobStage stage) = 0;
    virtual void Log(const std::string& text) = 0;
    // The job fails with text (shown once; the job then finishes).
    virtual void Failure(const std::string& text) = 0;
    // The conversion's figures; measured is false for a mere bar position.
    virtual void Figures(const ConversionFigures& figures) = 0;
    virtual void Burn(const BurnProgress& progress) = 0;
    // Asks the user and returns the answer.
    virtual JobAnswer Question(const JobQuestion& question) = 0;
    // The last event of every run.
    virtual void Finished(const JobResult& result) = 0;
};
