// quorva-cli as a user runs it: a disc image made from generated clips and
// read back as a player reads it, burning an authored folder, bad usage,
// missing files, and Ctrl-C in the middle of a conversion.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/Files.h"
#include "settings/Options.h"
#include "settings/xml.h"
#include "support/DvdWalk.h"
#include "support/TestMedia.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    std::string LastLine() const {
        std::string text = out;
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text.substr(text.rfind('\n') + 1);
    }
};

// quorva-cli from a private copy of the program folder, with a settings
// folder of its own for the options it saves.
class Cli : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        program_ = new testsupport::TempFolder();
        fs::copy(QUORVA_BIN_DIR, program_->Path(), fs::copy_options::recursive);
        setenv("XDG_CONFIG_HOME", (program_->Path() + "config").c_str(), 1);
    }
    static void TearDownTestSuite() {
        delete program_;
        program_ = nullptr;
        setenv("XDG_CONFIG_HOME", QUORVA_TEST_HOME "config", 1);
    }

    pid_t Start(const std::vector<std::string>& args) {
        std::vector<std::string> argv{program_->Path() + "quorva-cli"};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> raw;
        for (auto& a : argv)
            raw.push_back(a.data());
        raw.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, (work_ / "out.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (work_ / "err.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, raw[0], &actions, nullptr, raw.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    CliRun Finish(pid_t pid) {
        CliRun run;
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status))
            run.status = WEXITSTATUS(status);
        run.out = platform::ReadFile(work_ / "out.txt").value_or("");
        run.err = platform::ReadFile(work_ / "err.txt").value_or("");
        return run;
    }

    CliRun Run(const std::vector<std::string>& args) { return Finish(Start(args)); }

    std::string Clip(const std::string& name, double seconds, bool audio) {
        std::string d = std::to_string(seconds);
        std::vector<std::string> argv{
            "ffmpeg", "-y",    "-loglevel", "error",
            "-f",     "lavfi", "-i",        "testsrc=size=320x240:rate=25:duration=" + d};
        if (audio)
            argv.insert(argv.end(), {"-f", "lavfi", "-i", "sine=duration=" + d});
        argv.insert(argv.end(), {"-c:v", "mpeg4", work_ / name});
        auto made = testsupport::RunCommand(argv);
        EXPECT_EQ(made.status, 0) << made.output;
        return work_ / name;
    }

    // The user's options, or the shipped ones before the first run.
    CXMLAccess SavedOptions() {
        const std::string own = program_->Path() + "config/quorva/options.data";
        CXMLAccess options;
        EXPECT_EQ(LoadXMLNode(fs::exists(own) ? own : program_->Path() + "options.data", options,
                              program_->Path() + "p4.data"),
                  0);
        return options;
    }

    static testsupport::TempFolder* program_;
    testsupport::TempFolder temp_;
    fs::path work_ = temp_.Path();
};

testsupport::TempFolder* Cli::program_ = nullptr;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(Cli, MakesADiscImageAPlayerCanUseAndBurnsTheFolderAgain) {
    const std::string before = SavedOptions().GetValue(keys::FILENAME_SN);
    const std::string a = Clip("a.avi", 2, true);
    const std::string b = Clip("b.avi", 1.5, false);
    CliRun run = Run({"make", "--iso", "--pal", "--label", "TRIP", "--quality", "fit", "--stretch",
                      "--working-folder", work_ / "work", a, b});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, "Converting media files to vob ...")) << run.out;
    // Seconds of video fill a disc at the most a player takes.
    EXPECT_TRUE(Has(run.out, "MB of 4300 MB on a DVD-5 disc (video at 9200 kbit/s)")) << run.out;
    // --stretch: the 4:3 clips fill the 16:9 frame, no black bars at the sides.
    auto left = testsupport::RunCommand(
        {"ffprobe", "-v", "error", "-f", "lavfi",
         "movie=" + (work_ / "work" / "DVD_1" / "VIDEO_TS" / "VTS_01_1.VOB").string() +
             ",crop=40:144:0:432,signalstats",
         "-read_intervals", "%+#1", "-show_entries", "frame_tags=lavfi.signalstats.YAVG", "-of",
         "csv=p=0"});
    EXPECT_GT(std::atof(left.output.c_str()), 40) << left.output;  // bars: 16
    const std::string image = run.LastLine();
    EXPECT_EQ(image, (work_ / "work" / "DVD_1.iso").string());
    ASSERT_TRUE(platform::IsRegularFile(image));

    auto lsdvd = testsupport::RunCommand({"lsdvd", "-x", image});
    EXPECT_TRUE(Has(lsdvd.output, "Disc Title: TRIP")) << lsdvd.output;
    EXPECT_TRUE(Has(lsdvd.output, "Chapters: 02")) << lsdvd.output;
    EXPECT_TRUE(Has(lsdvd.output, "Format: PAL")) << lsdvd.output;
    std::string error;
    auto walk = testsupport::DvdWalk::Open(image, &error);
    ASSERT_TRUE(walk) << error;
    ASSERT_EQ(walk->Settle().buttons, 2);
    auto root = walk->Press(2);
    EXPECT_EQ(root.buttons, 2) << root.ToString();
    EXPECT_EQ(walk->Press(2).part, 2);

    // The run's choices were not saved; the running number was.
    CXMLAccess saved = SavedOptions();
    EXPECT_EQ(saved.GetValue(keys::FILENAME_SN), std::to_string(std::stoi(before) + 2));
    EXPECT_EQ(saved.GetValue(keys::TARGET_DVD_TYPE), "0");
    EXPECT_NE(saved.GetValue(keys::WORKING_FOLDER), (work_ / "work/").string());

    // Burning the authored folder again makes a second image beside the first.
    CliRun burn = Run({"burn", "--iso", "--label", "AGAIN", work_ / "work" / "DVD_1"});
    ASSERT_EQ(burn.status, 0) << burn.out << burn.err;
    EXPECT_EQ(burn.LastLine(), (work_ / "work" / "DVD_1-2.iso").string());
    EXPECT_TRUE(
        Has(testsupport::RunCommand({"lsdvd", burn.LastLine()}).output, "Disc Title: AGAIN"));
}

TEST_F(Cli, BadUsageAndMissingFilesSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const std::vector<Case> cases{
        {{}, 2, "No command given."},
        {{"frobnicate"}, 2, "Unknown command"},
        {{"make"}, 2, "No video given."},
        {{"make", "--quality", "9", "x.avi"}, 2, "--quality"},
        {{"burn", "--stretch", "x"}, 2, "--stretch does not apply"},
        {{"make", "--aspect", "5:4", "x.avi"}, 2, "--aspect"},
        {{"make", "--iso", "--device", "0", "x.avi"}, 2, "either --device or --iso"},
        {{"make", "--bogus", "x.avi"}, 2, "Unknown option --bogus"},
        {{"burn"}, 2, "exactly one DVD folder"},
        {{"make", "--working-folder", work_ / "w", work_ / "missing.avi"}, 1, "no such video file"},
        {{"make", "--working-folder", work_ / "w", "--device", "99", work_ / "missing.avi"},
         2,
         "There is no device 99"},
        {{"burn", "--iso", work_}, 1, "is not an authored DVD folder"},
    };
    for (const Case& c : cases) {
        CliRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args) << run.err;
        EXPECT_TRUE(Has(run.err, c.says)) << ::testing::PrintToString(c.args) << run.err;
    }
    CliRun help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Has(help.out, "quorva-cli make"));
    EXPECT_EQ(Run({"--version"}).status, 0);
    CliRun devices = Run({"devices"});
    EXPECT_EQ(devices.status, 0);
    EXPECT_TRUE(Has(devices.out, "Disc image file (ISO)  (can burn DVDs)")) << devices.out;
}

TEST_F(Cli, CtrlCDuringConversionLeavesNoPartialStream) {
    const std::string longClip = Clip("long.avi", 60, true);
    const fs::path workFolder = work_ / "work";
    pid_t pid = Start({"make", "--working-folder", workFolder, longClip});
    // Wait until the conversion has written part of its stream.
    bool converting = false;
    for (int i = 0; i < 300 && !converting; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (fs::exists(workFolder))
            for (const auto& entry : fs::directory_iterator(workFolder))
                converting |= entry.path().extension() == ".part" && fs::file_size(entry) > 0;
    }
    ASSERT_TRUE(converting) << "the conversion never started";
    kill(pid, SIGINT);
    CliRun run = Finish(pid);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(Has(run.err, "aborted")) << run.err;
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(workFolder))
        left.push_back(entry.path());
    EXPECT_TRUE(left.empty()) << ::testing::PrintToString(left);
}
