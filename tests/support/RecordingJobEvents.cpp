#include "support/RecordingJobEvents.h"

void RecordingJobEvents::StageBegins(JobStage stage) {
    {
        std::lock_guard lock(mutex_);
        stages_.push_back(stage);
    }
    if (onStage)
        onStage(stage);
}

void RecordingJobEvents::Log(const std::string& text) {
    const std::string line = LogTimeStamp() + text;
    {
        std::lock_guard lock(mutex_);
        log_.push_back(line);
    }
    if (onLog)
        onLog(line);
}

void RecordingJobEvents::Failure(const std::string& text) {
    std::lock_guard lock(mutex_);
    errors_.push_back(text);
}

void RecordingJobEvents::Figures(const ConversionFigures& figures) {
    {
        std::lock_guard lock(mutex_);
        figures_ = figures;
        measured_ += figures.measured ? 1 : 0;
    }
    if (onFigures)
        onFigures(figures);
}

void RecordingJobEvents::Burn(const BurnProgress& progress) {
    std::lock_guard lock(mutex_);
    if (progress.percent != 0)
        burnPercents_.push_back(progress.percent);
    if (progress.failed)
        errors_.push_back(progress.text);
    if (burnPhases_.IsNewPhase(progress))
        log_.push_back(LogTimeStamp() + progress.text);
}

JobAnswer RecordingJobEvents::Question(const JobQuestion& question) {
    std::lock_guard lock(mutex_);
    questions_.push_back(question);
    if (answers_.empty())
        return JobAnswer::Yes;
    const JobAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingJobEvents::Finished(const JobResult& result) {
    std::lock_guard lock(mutex_);
    result_ = result;
}

std::vector<std::string> RecordingJobEvents::LogLines() const {
    std::lock_guard lock(mutex_);
    return log_;
}

std::vector<std::string> RecordingJobEvents::Errors() const {
    std::lock_guard lock(mutex_);
    return errors_;
}

std::vector<int> RecordingJobEvents::BurnPercents() const {
    std::lock_guard lock(mutex_);
    return burnPercents_;
}

std::vector<JobStage> RecordingJobEvents::Stages() const {
    std::lock_guard lock(mutex_);
    return stages_;
}

ConversionFigures RecordingJobEvents::LastFigures() const {
    std::lock_guard lock(mutex_);
    return figures_;
}

int RecordingJobEvents::MeasuredFigureCount() const {
    std::lock_guard lock(mutex_);
    return measured_;
}

std::optional<JobResult> RecordingJobEvents::Result() const {
    std::lock_guard lock(mutex_);
    return result_;
}

std::vector<JobQuestion> RecordingJobEvents::Questions() const {
    std::lock_guard lock(mutex_);
    return questions_;
}

void RecordingJobEvents::QueueAnswer(JobAnswer answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}
