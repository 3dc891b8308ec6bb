// Runs jobs headless against the built program folder: the settings are
// loaded from it (never saved back), the working folder and the temp folder
// are private to the test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppJob.h"
#include "app/AppMedia.h"
#include "app/QuorvaApp.h"
#include "engines/DiscBurner.h"
#include "pipeline/JobContext.h"
#include "pipeline/RunAuthoringJob.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "settings/Options.h"
#include "settings/xml.h"
#include "support/RecordingJobEvents.h"
#include "support/TestMedia.h"

class JobFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("TMPDIR", temp_.Path().c_str(), 1);
        CQuorvaApp& app = App();
        app.theProgramFolder = QUORVA_BIN_DIR;
        app.theOptions = CXMLAccess();
        app.theProductSettings = CXMLAccess();
        ASSERT_TRUE(app.LoadSettings());
        app.theOptions.SetValue(keys::WORKING_FOLDER, WorkingFolder());
        app.theOptions.SetIntValue(keys::FILENAME_SN, 1);
        app.theMediaList.clear();
        app.theDvdFolder.clear();
        presenter_ = std::make_shared<platform::ScriptedPresenter>();
        previous_ = platform::SetMessagePresenter(presenter_);
    }
    void TearDown() override {
        platform::SetMessagePresenter(previous_);
        if (savedTmpDir_.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", savedTmpDir_.c_str(), 1);
    }

    std::string WorkingFolder() const { return temp_.Path() + "work/"; }
    std::string Media(const std::string& name) const { return temp_.Path() + name; }

    // Makes a clip with the ffmpeg program: extra arguments choose the
    // sources and codecs.
    std::string MakeClip(const std::string& name, const std::vector<std::string>& args) {
        std::vector<std::string> argv{"ffmpeg", "-y", "-loglevel", "error"};
        argv.insert(argv.end(), args.begin(), args.end());
        argv.push_back(Media(name));
        auto result = testsupport::RunCommand(argv);
        EXPECT_EQ(result.status, 0) << result.output;
        return Media(name);
    }
    std::string MakeTestClip(const std::string& name, double seconds, bool audio = true) {
        std::string d = std::to_string(seconds);
        std::vector<std::string> args{"-f", "lavfi", "-i",
                                      "testsrc=size=320x240:rate=25:duration=" + d};
        if (audio) {
            args.insert(args.end(), {"-f", "lavfi", "-i", "sine=frequency=440:duration=" + d});
        }
        args.insert(args.end(), {"-c:v", "mpeg4", "-q:v", "5"});
        if (audio)
            args.insert(args.end(), {"-c:a", "libmp3lame"});
        return MakeClip(name, args);
    }

    // An authored DVD folder made by dvdauthor from a generated stream.
    std::string MakeDvdFolder() {
        const std::string vob = Media("movie.vob");
        EXPECT_TRUE(testsupport::MakeDvdMpeg(vob, false, 2));
        const std::string dvd = Media("DVD_7");
        setenv("VIDEO_FORMAT", "NTSC", 1);
        auto titles = testsupport::RunCommand({"dvdauthor", "-o", dvd, "-t", vob});
        auto toc = testsupport::RunCommand({"dvdauthor", "-o", dvd, "-T"});
        EXPECT_EQ(titles.status, 0) << titles.output;
        EXPECT_EQ(toc.status, 0) << toc.output;
        return dvd;
    }

    // Probes the files into theMediaList as the add-video page does.
    void AddVideos(const std::vector<std::string>& paths) {
        for (const std::string& path : paths) {
            ProbeResult probe = ProbeMediaFile(path);
            ASSERT_TRUE(probe.error.empty()) << probe.error;
            App().theMediaList.push_back(probe.item);
        }
    }
    // Runs a job on this thread with the application's list and options, as
    // the windows start one; what it made is kept in the application object.
    JobResult RunJob(RecordingJobEvents& events, const JobChoices& choices,
                     platform::CancelSignal* cancel = nullptr) {
        platform::CancelSignal never;
        const JobResult result =
            RunAuthoringJob(MakeJobInput(App(), choices), events, cancel ? *cancel : never);
        KeepJobResult(App(), result);
        return result;
    }
    // Authors the list as a job with choices does (menus, then the DVD
    // folder), with its dvdauthor project changed by edit before it is
    // written, and checks the new folder as the job does when check is set.
    // Tests break discs on purpose so.
    JobResult AuthorEdited(RecordingJobEvents& events, const JobChoices& choices,
                           const std::function<void(CXMLAccess&)>& edit, bool check) {
        platform::CancelSignal never;
        const JobInput input = MakeJobInput(App(), choices);
        JobContext job(input, events, never);
        EXPECT_TRUE(platform::CreateFolders(input.workingFolder));
        MenuMovies movies;
        const platform::Result<void> made =
            MakeMenuMovies(job, job.videos, movies, [] { return false; });
        EXPECT_TRUE(made) << made.error();
        const StageOutcome authored = AuthorDvdFolder(job, [&](const std::string& dest) {
            CXMLAccess project =
                BuildDvdProject(dest, job.params, job.videos, movies, job.input.defaultSubtitle);
            edit(project);
            return project;
        });
        if (authored == StageOutcome::Done && check)
            CheckDiscStage(job, job.result.dvdFolder,
                           ExpectedDisc(job.videos, job.params.chapterMinutes),
                           "The DVD folder " + job.result.dvdFolder);
        RemoveMenuMovies(movies);
        return job.result;
    }

    void SetPal(bool pal) { App().theOptions.SetIntValue(keys::TARGET_DVD_TYPE, pal ? 1 : 0); }
    void SetAspect43(bool four3) {
        App().theOptions.SetIntValue(keys::VIDEO_ASPECT_RATIO, four3 ? 1 : 0);
    }

    static std::string CurrentTmpDir() {
        const char* value = std::getenv("TMPDIR");
        return value ? value : "";
    }

    std::string savedTmpDir_ = CurrentTmpDir();  // before temp_, which is made under it
    testsupport::TempFolder temp_;
    std::shared_ptr<platform::ScriptedPresenter> presenter_;
    std::shared_ptr<platform::MessagePresenter> previous_;
};

// A job fixture with the program's burner; imageDevice_ is its image device.
class BurnerJobFixture : public JobFixture {
  protected:
    void SetUp() override {
        JobFixture::SetUp();
        App().theBurner = CreateDiscBurner();
        std::int32_t count = 0;
        App().theBurner->GetDeviceCount(&count);
        imageDevice_ = count - 1;
    }
    void TearDown() override {
        App().theBurner.reset();
        JobFixture::TearDown();
    }

    int imageDevice_ = -1;
};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The lines that hold part.
inline int CountLines(const std::vector<std::string>& lines, const std::string& part) {
    int n = 0;
    for (const std::string& line : lines)
        n += Contains(line, part);
    return n;
}
