// Keeps everything a job reported: the log, the failures, the figures and
// burn percents, the stages entered, the questions and the result. Questions
// take the queued answers, then Yes. Tests run jobs through it; hooks let them
// act at a point of the run (abort at a stage, for example).
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/JobEvents.h"

class RecordingJobEvents : public JobEvents {
  public:
    void StageBegins(JobStage stage) override;
    void Log(const std::string& text) override;
    void Failure(const std::string& text) override;
    void Figures(const ConversionFigures& figures) override;
    void Burn(const BurnProgress& progress) override;
    JobAnswer Question(const JobQuestion& question) override;
    void Finished(const JobResult& result) override;

    // Log lines as a window shows them: "[hh:mm:ss.mmm] text". A burner
    // message is logged when it differs from the one before.
    std::vector<std::string> LogLines() const;
    std::vector<std::string> Errors() const;
    std::vector<int> BurnPercents() const;
    std::vector<JobStage> Stages() const;
    ConversionFigures LastFigures() const;
    int MeasuredFigureCount() const;
    std::optional<JobResult> Result() const;
    std::vector<JobQuestion> Questions() const;
    // The answer to the next question not answered yet.
    void QueueAnswer(JobAnswer answer);

    // Called on the reporting thread, without the recorder's lock.
    std::function<void(JobStage)> onStage;
    std::function<void(const std::string& line)> onLog;  // the line as kept
    std::function<void(const ConversionFigures&)> onFigures;

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> log_;
    std::vector<std::string> errors_;
    std::vector<int> burnPercents_;
    std::vector<JobStage> stages_;
    ConversionFigures figures_;
    int measured_ = 0;
    BurnPhases burnPhases_;
    std::optional<JobResult> result_;
    std::vector<JobQuestion> questions_;
    std::deque<JobAnswer> answers_;
};
