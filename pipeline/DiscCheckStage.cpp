#include "pipeline/Stages.h"

discchecker::DiscExpectation ExpectedDisc(const MediaList& list) {
    discchecker::DiscExpectation expected;
    expected.madeHere = true;
    expected.videoCount = list.size();
    for (const MediaItem& item : list)
        expected.videoSeconds.push_back(item.info.duration);
    return expected;
}

StageOutcome CheckDiscStage(AuthoringJob& job, const std::string& path,
                            const discchecker::DiscExpectation& expected,
                            const std::string& subject) {
    const discchecker::DiscCheckReport report = discchecker::CheckDisc(path, expected);
    const std::vector<std::string> lines = report.Text();
    job.discCheckLines.push_back("Disc check of " + path + ":");
    job.discCheckLines.insert(job.discCheckLines.end(), lines.begin(), lines.end());
    if (report.AllPassed()) {
        ReportStatus(job, report.Summary());
        return StageOutcome::Done;
    }
    for (const std::string& line : lines)
        ReportStatus(job, line);
    ReportFailure(job, subject + " failed the disc check: " + report.Failures() + ".");
    return StageOutcome::Failed;
}
