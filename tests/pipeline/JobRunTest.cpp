// Whole jobs with the real engines: abort and restart, failures that must
// stop the job with a clear message, sources that need no conversion, and
// more videos than the root menu pictures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>

#include <QImage>

#include "pipeline/JobFixture.h"
#include "pipeline/MadeFiles.h"
#include "pipeline/Stages.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/TempFiles.h"
#include "support/DvdWalk.h"

namespace {

// The play time of a media file, as ffprobe reads it; -1 when unreadable.
double Seconds(const std::string& path) {
    auto probe = testsupport::RunCommand(
        {"ffprobe", "-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    return probe.status == 0 ? std::atof(probe.output.c_str()) : -1;
}

}  // namespace

class JobRun : public JobFixture {
  protected:
    // Runs a job on the list; returns its result.
    JobResult Run(std::uint32_t flags,
                  const std::function<void(RecordingJobEvents&)>& prepare = {}) {
        RecordingJobEvents events;
        cancel_.Reset();
        if (prepare)
            prepare(events);
        JobResult result = RunJob(events, JobChoices{.flags = flags}, &cancel_);
        log_ = events.LogLines();
        errors_ = events.Errors();
        progressMessages_ = events.MeasuredFigureCount();
        lastProgress_ = events.LastFigures();
        questions_ = events.Questions().size();
        EXPECT_TRUE(events.Result().has_value());  // every run ends with its result
        return result;
    }
    platform::CancelSignal cancel_;
    std::vector<std::string> log_;
    std::vector<std::string> errors_;
    int progressMessages_ = 0;
    ConversionFigures lastProgress_;
    std::size_t questions_ = 0;
};

TEST_F(JobRun, AbortInTheSecondConversionKeepsTheFirstAndARestartGoesOn) {
    App().theOptions.SetIntValue(keys::CONVERSION_JOBS, 1);  // one after another
    const std::string one = MakeTestClip("one.avi", 2);
    const std::string two = MakeTestClip("two.avi", 30);
    const std::string three = MakeTestClip("three.avi", 2);
    AddVideos({one, two, three});
    const MediaList items = App().theMediaList;

    JobResult job = Run(JOB_CONVERT | JOB_MENUS, [&](RecordingJobEvents& events) {
        events.onFigures = [this](const ConversionFigures& p) {
            if (p.done >= 3)
                cancel_.Cancel();  // well inside the second video
        };
    });
    EXPECT_TRUE(platform::IsRegularFile(items[0].vobPath));
    EXPECT_FALSE(platform::PathExists(items[1].vobPath));
    EXPECT_FALSE(platform::PathExists(items[1].vobPath + ".part"));
    EXPECT_FALSE(platform::PathExists(items[2].vobPath));
    EXPECT_EQ(job.flagsLeft, JOB_CONVERT | JOB_MENUS);
    EXPECT_EQ(job.outcome, JobOutcome::Aborted);
    EXPECT_TRUE(errors_.empty());
    EXPECT_GT(progressMessages_, 0);

    // A new start converts only what is missing and finishes the disc.
    job = Run(JOB_CONVERT | JOB_MENUS);
    EXPECT_TRUE(errors_.empty()) << errors_.front();
    EXPECT_EQ(CountLines(log_, "Converting " + one), 0);
    EXPECT_EQ(CountLines(log_, "Converting " + two), 1);
    EXPECT_EQ(CountLines(log_, "Converting " + three), 1);
    EXPECT_EQ(job.outcome, JobOutcome::Done);
    EXPECT_EQ(job.flagsLeft, 0u);
    EXPECT_GE(lastProgress_.done, 30);
    EXPECT_TRUE(platform::IsRegularFile(App().theDvdFolder + "/VIDEO_TS/VIDEO_TS.IFO"));
}

TEST_F(JobRun, AStreamIsTakenAgainOnlyForItsOwnSourceAndKilledRunsLeftoversGo) {
    const std::string a = MakeTestClip("a.avi", 2);
    const std::string b = MakeTestClip("b.avi", 4);
    AddVideos({a});
    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const std::string stream = App().theMediaList[0].vobPath;
    EXPECT_NEAR(Seconds(stream), 2, 0.5);
    Run(JOB_CONVERT);
    EXPECT_EQ(CountLines(log_, "Converting " + a), 0);  // its own: taken as it is

    // Another video given the same stream name (a running number set back):
    // its stream is made anew, never taken from the other video.
    App().theMediaList[0].sourcePath = b;
    App().theMediaList[0].info.duration = 4;
    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    EXPECT_EQ(CountLines(log_, "Converting " + b), 1);
    EXPECT_EQ(App().theMediaList[0].vobPath, stream);
    EXPECT_NEAR(Seconds(stream), 4, 0.5);

    // A file of that name without the program's record is somebody's: it
    // stays, and the video gets a name of its own.
    ASSERT_TRUE(platform::WriteFileAtomically(WorkingFolder() + "7_mine.vob", "mine"));
    App().theMediaList[0].vobPath = WorkingFolder() + "7_mine.vob";
    // Leftovers of killed runs, as the record lists them, go when a job
    // starts; a stream another run is writing and the user's own files stay,
    // even when named as the program names its partial files.
    const std::vector<std::string> stale{"3_y.vob.part", "DVD_4.iso.part"};
    const std::vector<std::string> kept{"8_busy.vob.part",   "notes.part",   "DVD_x.iso.part",
                                        "9_x.vob.part.part", "5_z.vob.part", "DVD_5.iso.part"};
    ASSERT_TRUE(NoteMadeFiles(WorkingFolder(), {stale[0], stale[1], kept[0]}));
    for (const std::string& name : stale)
        ASSERT_TRUE(platform::WriteFileAtomically(WorkingFolder() + name, "left"));
    for (const std::string& name : kept)
        ASSERT_TRUE(platform::WriteFileAtomically(WorkingFolder() + name, "in use"));
    auto busy = platform::FileLock::Take(WorkingFolder() + kept[0], platform::FileLock::Wait::No,
                                         platform::FileLock::Create::No);
    ASSERT_TRUE(busy.Held());
    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    EXPECT_EQ(platform::ReadFile(WorkingFolder() + "7_mine.vob"), "mine");
    const std::string renamed = App().theMediaList[0].vobPath;
    EXPECT_NE(renamed, WorkingFolder() + "7_mine.vob");
    EXPECT_EQ(renamed.rfind(WorkingFolder(), 0), 0u);
    EXPECT_NEAR(Seconds(renamed), 4, 0.5);
    for (const std::string& name : stale)
        EXPECT_FALSE(platform::PathExists(WorkingFolder() + name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(platform::PathExists(WorkingFolder() + name)) << name;
}

// A stream an earlier run made that was cut short since is made again, not
// taken to fail the authoring on every run.
TEST_F(JobRun, ADamagedStreamOfAnEarlierRunIsMadeAgain) {
    const std::string a = MakeTestClip("a.avi", 6);
    AddVideos({a});
    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const std::string stream = App().theMediaList[0].vobPath;
    std::filesystem::resize_file(stream, std::filesystem::file_size(stream) / 3 / 2048 * 2048);
    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    EXPECT_EQ(CountLines(log_, "Converting " + a), 1);
    EXPECT_EQ(App().theMediaList[0].vobPath, stream);
    EXPECT_NEAR(Seconds(stream), 6, 0.5);
}

// A DVD folder a job finished is its result, burned or not: clearing the
// working folder keeps it and removes the streams.
TEST_F(JobRun, AFinishedDvdFolderIsAResultThatClearingKeeps) {
    AddVideos({MakeTestClip("a.avi", 1)});
    Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const std::string stream = App().theMediaList[0].vobPath;
    ClearMadeFiles(WorkingFolder());
    EXPECT_TRUE(platform::IsRegularFile(App().theDvdFolder + "/VIDEO_TS/VIDEO_TS.IFO"));
    EXPECT_FALSE(platform::PathExists(stream));
}

TEST_F(JobRun, EveryProblemSeenAtTheStartIsRefusedInOneMessageBeforeAnyConversion) {
    const std::string good = MakeTestClip("good.avi", 1);
    const std::string broken = Media("broken.avi");
    ASSERT_TRUE(platform::WriteFileAtomically(broken, std::string(5000, 'x')));
    const std::string empty = Media("empty.avi");
    ASSERT_TRUE(platform::WriteFileAtomically(empty, ""));
    const std::string pipe = Media("pipe.avi");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string textPicture = Media("back.jpg");
    ASSERT_TRUE(platform::WriteFileAtomically(textPicture, "not a picture\n"));
    AddVideos({good});
    // Sources that changed since they were added, and a video so long that
    // the working folder cannot take it.
    for (const std::string& source : {broken, empty, pipe, std::string("/dev/zero"), Media("")}) {
        MediaItem item = App().theMediaList[0];
        item.sourcePath = source;
        item.vobPath = WorkingFolder() + "x" + std::to_string(App().theMediaList.size()) + ".vob";
        App().theMediaList.push_back(item);
    }
    App().theMediaList[0].info.duration = 1e9;
    const MediaList items = App().theMediaList;
    App().theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU, textPicture);

    auto job = Run(JOB_CONVERT | JOB_MENUS | JOB_BURN);
    ASSERT_EQ(errors_.size(), 1u);
    const std::string& message = errors_[0];
    for (const char* says :
         {"broken.avi: it", "empty.avi: the file is empty", "pipe.avi: it is a pipe",
          "/dev/zero: it is a device", ": it is a folder",
          "back.jpg is not a picture: its content is none of PNG",
          "Not enough free space in the working folder"})
        EXPECT_TRUE(Contains(message, says)) << says << "\n" << message;
    EXPECT_EQ(job.outcome, JobOutcome::Failed);
    EXPECT_FALSE(platform::PathExists(items[0].vobPath));  // nothing was converted
    EXPECT_EQ(CountLines(log_, "Converting "), 0);
    EXPECT_FALSE(platform::PathExists(WorkingFolder() + "DVD_1"));
    EXPECT_EQ(questions_, 0u);  // no burn question
}

TEST_F(JobRun, AVideoDeletedAfterItWasAddedIsNamedInTheError) {
    const std::string gone = MakeTestClip("gone.avi", 1);
    AddVideos({gone});
    ASSERT_TRUE(platform::RemoveFile(gone));
    auto job = Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(Contains(errors_[0], gone));
    EXPECT_EQ(job.outcome, JobOutcome::Failed);
}

TEST_F(JobRun, AWorkingFolderOrDvdProjectThatCannotBeMadeFailsTheJobNotTheProgram) {
    // Missing parents are made; a file in the way cannot be.
    std::ofstream(Media("in-the-way")) << "a file";
    App().theOptions.SetValue(keys::WORKING_FOLDER, Media("in-the-way/parent/work/"));
    auto job = Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(Contains(errors_[0], "Can't create working folder! " +
                                         Media("in-the-way/parent/work/") + ": Not a directory"))
        << errors_[0];
    EXPECT_EQ(job.outcome, JobOutcome::Failed);

    // The DVD project cannot be written: a node without a name, or no temp
    // folder left by then. Authoring fails the job saying why; no DVD folder
    // is left.
    App().theOptions.SetValue(keys::WORKING_FOLDER, WorkingFolder());
    AddVideos({MakeTestClip("clip.avi", 1)});
    const std::string blocked = Media("in-the-way") + "/";
    const std::vector<std::pair<std::function<void(CXMLAccess&)>, std::string>> breakages{
        {[](CXMLAccess& project) { project.AddChild(CXMLAccess()); },
         ": the document could not be made (an element or attribute without a name)."},
        {[&](CXMLAccess&) { setenv("TMPDIR", blocked.c_str(), 1); },
         "Can't create temp directory!\nCannot create the folder " + blocked},
    };
    for (const auto& [breakage, message] : breakages) {
        RecordingJobEvents events;
        job = AuthorEdited(events, JobChoices{.flags = JOB_MENUS}, breakage, false);
        errors_ = events.Errors();
        ASSERT_EQ(errors_.size(), 1u);
        EXPECT_TRUE(Contains(errors_[0], "Can't write the DVD project: ")) << errors_[0];
        EXPECT_TRUE(Contains(errors_[0], message)) << errors_[0];
        EXPECT_EQ(job.outcome, JobOutcome::Failed);
        EXPECT_FALSE(platform::PathExists(WorkingFolder() + "DVD_1"));
    }
}

// A menu background is told by its content, of any type the picture library
// reads: a PNG makes a disc whose title menu shows it, also when it is named
// .jpg (a text file named .jpg is refused above).
TEST_F(JobRun, AMenuBackgroundIsToldByItsContent) {
    AddVideos({MakeTestClip("clip.avi", 1)});
    const std::string png =
        MakeClip("back.png", {"-f", "lavfi", "-i", "color=c=blue:s=64x48", "-frames:v", "1"});
    const std::string pngNamedJpg = Media("png.jpg");
    ASSERT_TRUE(platform::CopyFile(png, pngNamedJpg));
    App().theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, png);
    App().theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU, pngNamedJpg);
    auto made = Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    ASSERT_EQ(made.outcome, JobOutcome::Done);
    const std::string still = Media("title.png");
    ASSERT_EQ(testsupport::RunCommand({"ffmpeg", "-v", "error", "-y", "-i",
                                       made.dvdFolder + "/VIDEO_TS/VIDEO_TS.VOB", "-frames:v", "1",
                                       still})
                  .status,
              0);
    const QColor middle = QImage(QString::fromStdString(still)).pixelColor(360, 240);
    EXPECT_GT(middle.blue(), middle.red() + 100) << middle.name().toStdString();
}

TEST_F(JobRun, OnlyAFittingVobIsTakenAsItIs) {
    SetAspect43(true);  // the test streams are 4:3
    const std::string ready = Media("ready.vob");
    ASSERT_TRUE(testsupport::MakeDvdMpeg(ready, false, 1));
    const std::string palVob = Media("pal.VOB");
    ASSERT_TRUE(testsupport::MakeDvdMpeg(palVob, true, 1));
    ASSERT_TRUE(platform::CreateFolder(Media("clips.vob.d")));
    const std::string avi = MakeTestClip("clips.vob.d/inside.avi", 1);
    AddVideos({ready, palVob, avi});

    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const MediaList& list = App().theMediaList;
    EXPECT_EQ(list[0].vobPath, ready);
    EXPECT_NE(list[1].vobPath, palVob);  // PAL on an NTSC disc is converted
    EXPECT_TRUE(platform::IsRegularFile(list[1].vobPath));
    EXPECT_NE(list[2].vobPath, avi);
    EXPECT_TRUE(platform::IsRegularFile(list[2].vobPath));
    EXPECT_EQ(CountLines(log_, "Converting " + ready), 0);
}

TEST_F(JobRun, AVobThatDoesNotSuitADvdOrTheDiscIsConvertedAndTheDiscPlays) {
    SetAspect43(true);
    auto vob = [&](const std::string& name, const std::vector<std::string>& video,
                   const char* aspect, const char* muxer) {
        std::vector<std::string> args{
            "-f",   "lavfi", "-i",      "testsrc=s=720x480:r=30000/1001:d=1",
            "-f",   "lavfi", "-i",      "sine=r=48000:d=1",
            "-ac",  "2",     "-c:v",    "mpeg2video",
            "-g",   "12",    "-aspect", aspect,
            "-c:a", "ac3",   "-b:a",    "192k",
            "-f",   muxer};
        args.insert(args.end(), video.begin(), video.end());
        return MakeClip(name, args);
    };
    const std::string ready = vob("ready.vob", {"-b:v", "4M", "-maxrate", "8M"}, "4:3", "dvd");
    const std::vector<std::string> unfit{
        vob("fast.vob", {"-b:v", "25M", "-maxrate", "25M", "-bufsize", "4M"}, "4:3", "dvd"),
        vob("chroma422.vob", {"-b:v", "4M", "-pix_fmt", "yuv422p"}, "4:3", "dvd"),
        vob("nonav.vob", {"-b:v", "4M"}, "4:3", "vob"),
        vob("wide.vob", {"-b:v", "4M", "-maxrate", "8M"}, "16:9", "dvd"),
        // One group of 30 pictures: a navigation unit of a second, too long.
        vob("longgroups.vob", {"-b:v", "4M", "-maxrate", "8M", "-g", "300"}, "4:3", "dvd"),
    };
    AddVideos({ready});
    AddVideos(unfit);

    Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const MediaList& list = App().theMediaList;
    EXPECT_EQ(list[0].vobPath, ready);
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_NE(list[i].vobPath, list[i].sourcePath);
        EXPECT_EQ(CountLines(log_, "Converting " + list[i].sourcePath), 1) << list[i].sourcePath;
    }
    auto lsdvd = testsupport::RunCommand({"lsdvd", "-x", App().theDvdFolder});
    EXPECT_TRUE(Contains(lsdvd.output, "Chapters: 06")) << lsdvd.output;
    EXPECT_TRUE(Contains(lsdvd.output, "Length: 00:00:06")) << lsdvd.output;
    EXPECT_TRUE(Contains(lsdvd.output, "Aspect ratio: 4/3")) << lsdvd.output;
    EXPECT_FALSE(Contains(lsdvd.output, "Aspect ratio: 16/9")) << lsdvd.output;
}

TEST_F(JobRun, AVideoCutShortAfterItWasAddedFailsItsConversionWithBothLengths) {
    const std::string clip = MakeClip(
        "cut.mpg",
        {"-f", "lavfi", "-i", "testsrc=s=320x240:r=25:d=12", "-c:v", "mpeg2video", "-b:v", "2M"});
    AddVideos({clip});
    ASSERT_EQ(truncate(clip.c_str(), platform::FileSize(clip) / 3), 0);
    auto job = Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(Contains(errors_[0], clip)) << errors_[0];
    EXPECT_TRUE(Contains(errors_[0], "lasts 3.") || Contains(errors_[0], "lasts 4.")) << errors_[0];
    EXPECT_TRUE(Contains(errors_[0], "12.0 s")) << errors_[0];
    EXPECT_EQ(job.outcome, JobOutcome::Failed);
    EXPECT_FALSE(platform::PathExists(App().theMediaList[0].vobPath));
    EXPECT_FALSE(platform::PathExists(WorkingFolder() + "DVD_1"));
}

TEST_F(JobRun, ALongOrNonUtf8SourceNameStillMakesADisc) {
    const std::string longName = MakeTestClip(std::string(246, 'v') + ".avi", 1);
    const std::string latin1 = MakeTestClip("caf\xe9 \xff.avi", 1);
    const std::string latin1Vob = Media("m\xe9nu.vob");
    ASSERT_TRUE(testsupport::MakeDvdMpeg(latin1Vob, false, 1));
    SetAspect43(true);
    AddVideos({longName, latin1, latin1Vob});
    Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    const MediaList& list = App().theMediaList;
    EXPECT_EQ(list[0].sourcePath, longName);
    EXPECT_EQ(list[1].sourcePath, latin1);
    EXPECT_TRUE(Contains(list[1].vobPath, "caf_ _.vob")) << list[1].vobPath;
    EXPECT_NE(list[2].vobPath, latin1Vob);  // converted under a UTF-8 name
    for (const MediaItem& item : list)
        EXPECT_TRUE(platform::IsRegularFile(item.vobPath)) << item.vobPath;
    auto lsdvd = testsupport::RunCommand({"lsdvd", "-x", App().theDvdFolder});
    EXPECT_TRUE(Contains(lsdvd.output, "Chapters: 03")) << lsdvd.output;
}

TEST_F(JobRun, ThirteenVideosGetTwoRootMenuPagesWithWorkingButtons) {
    const std::string clip = MakeTestClip("clip.avi", 1);
    AddVideos({clip});
    Run(JOB_CONVERT);
    ASSERT_TRUE(errors_.empty());
    MediaItem first = App().theMediaList[0];
    for (int i = 2; i <= 13; ++i) {
        MediaItem copy = first;
        copy.vobPath = WorkingFolder() + "copy" + std::to_string(i) + ".vob";
        ASSERT_TRUE(platform::CopyFile(first.vobPath, copy.vobPath));
        App().theMediaList.push_back(copy);
    }
    Run(JOB_MENUS);
    ASSERT_TRUE(errors_.empty()) << errors_.front();
    auto lsdvd = testsupport::RunCommand({"lsdvd", "-x", App().theDvdFolder});
    EXPECT_TRUE(Contains(lsdvd.output, "Chapters: 13")) << lsdvd.output;

    // Two root-menu pages: nine videos, Next and Title menu, then four,
    // Previous and Title menu.
    auto walkOpened = testsupport::DvdWalk::Open(App().theDvdFolder);
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    ASSERT_EQ(walk->Settle().buttons, 2);
    testsupport::DvdPlace firstPage = walk->Press(2);
    EXPECT_EQ(firstPage.buttons, 11) << firstPage.ToString();
    testsupport::DvdPlace second = walk->Press(10);
    ASSERT_EQ(second.domain, testsupport::DvdDomain::TitleSetMenu) << second.ToString();
    EXPECT_EQ(second.buttons, 6);
    testsupport::DvdPlace title = walk->Press(6);
    EXPECT_EQ(title.domain, testsupport::DvdDomain::ManagerMenu) << title.ToString();
    walk->Press(2);
    walk->Press(10);
    testsupport::DvdPlace back = walk->Press(5);
    EXPECT_EQ(back.buttons, 11) << back.ToString();
    walk->Press(10);
    testsupport::DvdPlace last = walk->Press(4);
    EXPECT_EQ(last.domain, testsupport::DvdDomain::Title) << last.ToString();
    EXPECT_EQ(last.part, 13) << last.ToString();
}

// Conversions side by side: one is told the other has started by its log
// line; a 30-second video is far from converted at that moment.
TEST_F(JobRun, TwoConversionsSideBySideStopTogetherAndLeaveNoPartialStream) {
    App().theOptions.SetIntValue(keys::CONVERSION_JOBS, 2);
    const std::string tinyClip = MakeTestClip("tiny.avi", 1);
    const std::string shortClip = MakeTestClip("short.avi", 20);
    const std::string longClip = MakeTestClip("long.avi", 30);
    AddVideos({tinyClip, shortClip, longClip});
    const MediaList items = App().theMediaList;
    auto partialsLeft = [&] {
        int left = 0;
        for (const MediaItem& item : items)
            left +=
                platform::PathExists(item.vobPath) + platform::PathExists(item.vobPath + ".part");
        return left;
    };

    // An abort while both run stops both within half a second; neither
    // leaves a stream.
    int started = 0;
    std::optional<std::chrono::steady_clock::time_point> aborted;
    auto job = Run(JOB_CONVERT | JOB_MENUS, [&](RecordingJobEvents& events) {
        events.onLog = [&](const std::string& line) { started += Contains(line, "Converting /"); };
        events.onFigures = [&](const ConversionFigures& p) {
            if (started == 2 && p.done >= 2 && !aborted) {
                aborted = std::chrono::steady_clock::now();
                cancel_.Cancel();
            }
        };
    });
    ASSERT_TRUE(aborted);
    EXPECT_LT(std::chrono::steady_clock::now() - *aborted, std::chrono::milliseconds(500));
    // The longest first: the two long videos ran, the 1-second one waited.
    EXPECT_EQ(started, 2);
    EXPECT_EQ(CountLines(log_, "Converting " + longClip), 1);
    EXPECT_EQ(CountLines(log_, "Converting " + shortClip), 1);
    EXPECT_EQ(partialsLeft(), 0);
    EXPECT_EQ(job.flagsLeft, JOB_CONVERT | JOB_MENUS);
    EXPECT_TRUE(errors_.empty());

    // A failure of one (its source was cut short after it was added) stops
    // the other and fails the job naming the failed video.
    const std::string cut = MakeClip("cut.mpg", {"-f", "lavfi", "-i", "testsrc=s=320x240:r=25:d=12",
                                                 "-c:v", "mpeg2video", "-b:v", "2M"});
    App().theMediaList.clear();
    AddVideos({longClip, cut});
    ASSERT_EQ(truncate(cut.c_str(), platform::FileSize(cut) / 4), 0);
    const MediaList second = App().theMediaList;
    job = Run(JOB_CONVERT | JOB_MENUS);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(Contains(errors_[0], "Converting " + cut + " failed")) << errors_[0];
    EXPECT_EQ(job.outcome, JobOutcome::Failed);
    EXPECT_EQ(CountLines(log_, "Converting " + longClip), 1);
    for (const MediaItem& item : second) {
        EXPECT_FALSE(platform::PathExists(item.vobPath)) << item.vobPath;
        EXPECT_FALSE(platform::PathExists(item.vobPath + ".part")) << item.vobPath;
    }
    EXPECT_FALSE(platform::PathExists(WorkingFolder() + "DVD_1"));
    // The menus were begun with the last conversion; they are not left either.
    for (const auto& entry : std::filesystem::directory_iterator(platform::GetAppTempFolder()))
        EXPECT_NE(entry.path().extension(), ".mpg") << entry.path();
}

// The same disc whether the videos are converted one by one or side by side:
// titles, chapters in the list's order and their lengths, as lsdvd reads them.
TEST_F(JobRun, ADiscMadeSideBySideIsTheDiscMadeOneByOne) {
    const std::vector<std::string> clips{MakeTestClip("a.avi", 1), MakeTestClip("b.avi", 3),
                                         MakeTestClip("c.avi", 2, false)};
    auto disc = [&](int jobs, const std::string& folder) {
        App().theOptions.SetIntValue(keys::CONVERSION_JOBS, jobs);
        App().theOptions.SetValue(keys::WORKING_FOLDER, WorkingFolder() + folder);
        App().theMediaList.clear();
        AddVideos(clips);
        // One by one means each conversion starts after the one before ended.
        std::vector<std::string> finishedAtStart;
        Run(JOB_CONVERT | JOB_MENUS, [&](RecordingJobEvents& events) {
            events.onLog = [&](const std::string& line) {
                if (!Contains(line, "Converting /"))
                    return;
                int finished = 0;
                for (const MediaItem& item : App().theMediaList)
                    finished += platform::IsRegularFile(item.vobPath);
                finishedAtStart.push_back(std::to_string(finished));
            };
        });
        EXPECT_TRUE(errors_.empty()) << errors_.front();
        auto lsdvd = testsupport::RunCommand({"lsdvd", "-c", App().theDvdFolder});
        EXPECT_EQ(lsdvd.status, 0) << lsdvd.output;
        std::string titles;
        for (std::size_t at = 0; at < lsdvd.output.size();) {
            const std::size_t end = lsdvd.output.find('\n', at);
            const std::string line = lsdvd.output.substr(at, end - at);
            if (Contains(line, "Title:") || Contains(line, "Chapter:"))
                titles += line + "\n";
            at = end == std::string::npos ? end : end + 1;
        }
        return std::pair{titles, finishedAtStart};
    };
    const auto [serial, serialStarts] = disc(1, "one/");
    const auto [parallel, parallelStarts] = disc(3, "three/");
    EXPECT_EQ(serialStarts, (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(parallelStarts.size(), 3u);
    EXPECT_EQ(parallel, serial);
    EXPECT_TRUE(Contains(serial, "Chapters: 03")) << serial;
    EXPECT_TRUE(Contains(serial, "Chapter: 02, Length: 00:00:03")) << serial;
}
