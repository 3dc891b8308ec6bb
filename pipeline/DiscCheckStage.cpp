#include "pipeline/Stages.h"

discchecker::DiscExpectation ExpectedDisc(const MediaList& list) {
    discchecker::DiscExpectation expected;
    expected.madeHere = true;
    expected.videoCount = list.size();
    for (const MediaItem& item : list)
        expected.videoSeconds.push_back(item.info.duration);
    return expected;
}

std::string RunDiscCheck(AuthoringJob& job, const std::string& path, const std::string& name,
                         const discchecker::DiscExpectation& expected, const std::string& subject,
                         bool insideBurn) {
    const auto reportLine = [&](const std::string& line) {
        insideBurn ? ReportBurnLine(job, line) : ReportStatus(job, line);
    };
    const discchecker::DiscCheckReport report = discchecker::CheckDisc(path, expected);
    const std::vector<std::string> lines = report.Text();
    job.discCheckLines.push_back("Disc check of " + name + ":");
    job.discCheckLines.insert(job.discCheckLines.end(), lines.begin(), lines.end());
    if (report.AllPassed()) {
        reportLine(report.Summary());
        return {};
    }
    for (const std::string& line : lines)
        reportLine(line);
    return subject + " failed the disc check: " + report.Failures() + ".";
}

StageOutcome CheckDiscStage(AuthoringJob& job, const std::string& path,
                            const discchecker::DiscExpectation& expected,
                            const std::string& subject) {
    const std::string failure = RunDiscCheck(job, path, path, expected, subject, false);
    if (failure.empty())
        return StageOutcome::Done;
    ReportFailure(job, failure);
    return StageOutcome::Failed;
}
