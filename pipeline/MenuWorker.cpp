#include "pipeline/MenuWorker.h"

#include "platform/Translation.h"

MenuWorker::MenuWorker(JobContext& job) : job_(job), videos_(job.videos) {}

MenuWorker::~MenuWorker() {
    stop_ = true;
    Join();
    if (!handedOut_)
        RemoveMenuMovies(movies_);
}

void MenuWorker::Start() {
    std::lock_guard lock(starting_);
    if (started_ || stop_)
        return;
    started_ = true;
    thread_ = std::thread([this] {
        try {
            outcome_ = MakeMenuMovies(job_, videos_, movies_,
                                      [this] { return stop_.load() || job_.Cancelled(); });
        } catch (const std::exception& error) {
            RemoveMenuMovies(movies_);
            outcome_ = platform::Fail(platform::FillIn(
                platform::Translate("MenuStage", "The menus could not be made: %1"),
                {error.what()}));
        }
    });
}

void MenuWorker::Join() {
    std::lock_guard lock(starting_);
    if (thread_.joinable())
        thread_.join();
}

StageOutcome MenuWorker::Finish(MenuMovies& movies) {
    Start();
    Join();
    if (job_.Cancelled())
        return StageOutcome::Aborted;
    if (!outcome_) {
        job_.Fail(outcome_.error());
        return StageOutcome::Failed;
    }
    movies = movies_;
    handedOut_ = true;
    return StageOutcome::Done;
}
