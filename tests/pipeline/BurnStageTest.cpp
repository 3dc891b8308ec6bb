// The burn stage: the blank-disc question, a burn to the disc image device
// read back as a player reads it, and a burn that cannot start.
#include <gtest/gtest.h>

#include "engines/DiscBurner.h"
#include "pipeline/JobFixture.h"
#include "platform/Files.h"
#include "support/DvdWalk.h"

class BurnStage : public BurnerJobFixture {};

TEST_F(BurnStage, AFullJobWritesAnImageAPlayerReadsWithoutAskingForADisc) {
    AddVideos({MakeTestClip("clip.avi", 2)});
    RecordingJobEvents window;
    const JobResult job =
        RunJob(window, JobChoices{JOB_CONVERT | JOB_MENUS | JOB_BURN, imageDevice_, "HOLIDAY"});
    ASSERT_TRUE(window.Errors().empty()) << window.Errors().front();
    EXPECT_TRUE(window.Questions().empty());  // an image file needs no disc
    EXPECT_EQ(job.flagsLeft, JOB_BURN);       // the burn flag is never cleared

    const std::string image = App().theDvdFolder + ".iso";
    EXPECT_EQ(job.imageFile, image);
    EXPECT_TRUE(job.burnedDrive.empty());
    ASSERT_TRUE(platform::IsRegularFile(image));
    auto lsdvd = testsupport::RunCommand({"lsdvd", image});
    EXPECT_NE(lsdvd.output.find("Disc Title: HOLIDAY"), std::string::npos) << lsdvd.output;
    EXPECT_NE(lsdvd.output.find("Chapters: 01"), std::string::npos) << lsdvd.output;
    auto walkOpened = testsupport::DvdWalk::Open(image);
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    EXPECT_EQ(walk->Settle().buttons, 2);

    const auto& percents = window.BurnPercents();
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
    std::string log;
    for (const std::string& line : window.LogLines())
        log += line + "\n";
    EXPECT_NE(log.find("] Writing disc image ...\n"), std::string::npos) << log;
    EXPECT_NE(log.find("] Writing disc image \"" + image + "\" ...\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Start burn to dvd disc"), std::string::npos) << log;
    EXPECT_EQ(log.find("Closing disc"), std::string::npos) << log;
}

// A drive (here libburn's file pseudo-drive) asks for a blank disc first.
TEST_F(BurnStage, ADriveAsksForADiscCancellingBurnsNothingAndTheNextStartAsksAgain) {
    const std::string disc = Media("drive.img");
    setenv("QUORVA_BURNER_EXTRA_DRIVES", ("stdio:" + disc).c_str(), 1);
    App().theBurner = CreateDiscBurner();
    unsetenv("QUORVA_BURNER_EXTRA_DRIVES");
    App().theDvdFolder = MakeDvdFolder();
    // The drive comes before the image device.
    const JobChoices choices{JOB_BURN, imageDevice_, "X"};
    RecordingJobEvents cancelled;
    cancelled.QueueAnswer(JobAnswer::No);
    JobResult job = RunJob(cancelled, choices);
    EXPECT_EQ(job.outcome, JobOutcome::Done);
    EXPECT_TRUE(cancelled.Errors().empty());
    EXPECT_LE(platform::FileSize(disc), 0);  // missing or empty
    EXPECT_TRUE(job.burnedDrive.empty());

    RecordingJobEvents window;
    job = RunJob(window, choices);  // answered OK this time
    auto questions = cancelled.Questions();
    questions.push_back(window.Questions().at(0));
    ASSERT_EQ(questions.size(), 2u);
    for (const JobQuestion& question : questions) {
        EXPECT_EQ(question.kind, JobQuestion::Kind::DoThenGoOn);
        EXPECT_EQ(question.text, "Please insert a blank disc and click OK .");
        EXPECT_EQ(question.caption, "Information");
    }
    ASSERT_TRUE(window.Errors().empty()) << window.Errors().front();
    EXPECT_GT(platform::FileSize(disc), 0);
    EXPECT_NE(job.burnedDrive.find(disc), std::string::npos) << job.burnedDrive;
    EXPECT_TRUE(job.imageFile.empty());
    std::string log;
    for (const std::string& line : window.LogLines())
        log += line + "\n";
    EXPECT_NE(log.find("] Start burn to dvd disc ...\n"), std::string::npos) << log;
    EXPECT_NE(log.find("] Closing disc ...\n"), std::string::npos) << log;
}

TEST_F(BurnStage, NoDeviceIsRefusedWithAMessageAndNoImage) {
    App().theDvdFolder = MakeDvdFolder();
    RecordingJobEvents window;
    const JobResult job = RunJob(
        window, JobChoices{.flags = JOB_BURN, .deviceIndex = -1});  // the drive list was empty
    EXPECT_EQ(job.outcome, JobOutcome::Failed);
    ASSERT_EQ(window.Errors().size(), 1u);
    EXPECT_FALSE(window.Errors()[0].empty());
    EXPECT_FALSE(platform::PathExists(App().theDvdFolder + ".iso"));
}
