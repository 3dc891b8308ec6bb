#include "pipeline/ChapterPlan.h"
#include "pipeline/Stages.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

discchecker::DiscExpectation ExpectedDisc(const MediaList& list, int chapterMinutes) {
    discchecker::DiscExpectation expected;
    expected.madeHere = true;
    expected.videoCount = list.size();
    for (const MediaItem& item : list)
        expected.videoSeconds.push_back(item.info.duration);
    for (const VideoChapters& video : PlanChapters(expected.videoSeconds, chapterMinutes))
        expected.videoStarts.push_back(
            {video.title, video.firstChapter, static_cast<int>(video.points.size())});
    return expected;
}

platform::Result<void> RunDiscCheck(JobContext& job, const std::string& path,
                                    const std::string& name,
                                    const discchecker::DiscExpectation& expected,
                                    const std::string& subject, bool insideBurn) {
    const auto reportLine = [&](const std::string& line) {
        if (insideBurn)
            job.events.Burn(BurnProgress{0, line, false});
        else
            job.Log(line);
    };
    const discchecker::DiscCheckReport report = discchecker::CheckDisc(path, expected, &job.cancel);
    const std::vector<std::string> lines = report.Text();
    std::vector<std::string>& kept = job.result.discCheckLines;
    kept.push_back(FillIn(Translate("AuthoringJob", "Disc check of %1:"), {name}));
    kept.insert(kept.end(), lines.begin(), lines.end());
    if (report.AllPassed()) {
        reportLine(report.Summary());
        return {};
    }
    for (const std::string& line : lines)
        reportLine(line);
    return platform::Fail(FillIn(Translate("AuthoringJob", "%1 failed the disc check: %2."),
                                 {subject, report.Failures()}));
}

StageOutcome CheckDiscStage(JobContext& job, const std::string& path,
                            const discchecker::DiscExpectation& expected,
                            const std::string& subject) {
    const platform::Result<void> checked = RunDiscCheck(job, path, path, expected, subject, false);
    if (checked)
        return StageOutcome::Done;
    if (job.Cancelled())
        return StageOutcome::Aborted;
    job.Fail(checked.error());
    return StageOutcome::Failed;
}
