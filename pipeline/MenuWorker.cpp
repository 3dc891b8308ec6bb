#include "pipeline/MenuWorker.h"

MenuWorker::MenuWorker(const JobContext& job) : job_(job), videos_(job.videos) {}

MenuWorker::~MenuWorker() {
    stop_ = true;
    {
        std::lock_guard lock(starting_);
        if (thread_.joinable())
            thread_.join();
    }
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
            failure_ = MakeMenuMovies(job_, videos_, movies_,
                                      [this] { return stop_.load() || job_.Cancelled(); });
        } catch (const std::exception& error) {
            RemoveMenuMovies(movies_);
            failure_ = std::string("The menus could not be made: ") + error.what();
        }
    });
}

StageOutcome MenuWorker::Finish(MenuMovies& movies, std::string& failure) {
    Start();
    {
        std::lock_guard lock(starting_);
        if (thread_.joinable())
            thread_.join();
    }
    if (job_.Cancelled())
        return StageOutcome::Aborted;
    if (!failure_.empty()) {
        failure = failure_;
        return StageOutcome::Failed;
    }
    movies = movies_;
    handedOut_ = true;
    return StageOutcome::Done;
}
