// quorva-cli as a user runs it: a disc image made from generated clips and
// read back as a player reads it, burning an authored folder, bad usage,
// missing files, and Ctrl-C in the middle of a conversion.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <thread>

#include <QImage>

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

    // A PAL DVD folder with one title and no menus, authored by dvdauthor
    // straight from a DVD stream; empty when it could not be made.
    std::string PlainPalDvd() {
        const std::string vob = work_ / "title.vob";
        const std::string dvd = work_ / "DVD";
        setenv("VIDEO_FORMAT", "PAL", 1);
        const bool made =
            testsupport::MakeDvdMpeg(vob, true, 1) &&
            testsupport::RunCommand({"dvdauthor", "-o", dvd, "-t", vob}).status == 0 &&
            testsupport::RunCommand({"dvdauthor", "-o", dvd, "-T"}).status == 0;
        return made ? dvd : std::string();
    }
    CliRun Run(const std::vector<std::string>& args) { return Finish(Start(args)); }

    // As Run, but a run still going after seconds is killed (status -1).
    CliRun RunWithin(const std::vector<std::string>& args, int seconds) {
        const pid_t pid = Start(args);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        siginfo_t ended{};
        while (waitid(P_PID, pid, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        kill(pid, SIGKILL);  // no effect on one that has ended
        return Finish(pid);
    }

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
        EXPECT_TRUE(LoadXMLNode(fs::exists(own) ? own : program_->Path() + "options.data", options,
                                program_->Path() + "p4.data"));
        return options;
    }

    // What the runs left in their temp path (their private temp folders).
    std::vector<std::string> TempLeft() {
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(tmp_))
            left.push_back(entry.path().filename());
        return left;
    }

    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        savedTmp_ = old ? std::optional<std::string>(old) : std::nullopt;
        fs::create_directory(tmp_);
        setenv("TMPDIR", tmp_.c_str(), 1);
    }
    void TearDown() override {
        if (savedTmp_)
            setenv("TMPDIR", savedTmp_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

    static testsupport::TempFolder* program_;
    testsupport::TempFolder temp_;
    fs::path work_ = temp_.Path();
    fs::path tmp_ = work_ / "tmp";
    std::optional<std::string> savedTmp_;
};

testsupport::TempFolder* Cli::program_ = nullptr;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Lsdvd(const std::string& disc) {
    return testsupport::RunCommand({"lsdvd", disc}).output;
}

// The play time of the first title in what lsdvd says; -1 when none.
double TitleSeconds(const std::string& text) {
    const std::size_t at = text.find("Title: 01, Length: ");
    int h = 0, m = 0;
    double sec = 0;
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at + 19, "%d:%d:%lf", &h, &m, &sec) != 3)
        return -1;
    return h * 3600 + m * 60 + sec;
}

// Milliseconds into the local day of the stamp ("[hh:mm:ss.mmm] ") of the
// line of out holding text; -1 when there is none.
long long LineStampMs(const std::string& out, const std::string& text) {
    const std::size_t at = out.find(text);
    if (at == std::string::npos)
        return -1;
    const std::size_t lineEnd = out.rfind('\n', at);
    int h = 0, m = 0, s = 0, ms = 0;
    if (std::sscanf(out.c_str() + (lineEnd == std::string::npos ? 0 : lineEnd + 1), "[%d:%d:%d.%d]",
                    &h, &m, &s, &ms) != 4)
        return -1;
    return ((h * 60LL + m) * 60 + s) * 1000 + ms;
}

// Milliseconds into the local day of the last change of a file; -1 if none.
long long ModifiedMs(const fs::path& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return -1;
    std::tm local{};
    localtime_r(&st.st_mtim.tv_sec, &local);
    return ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 +
           st.st_mtim.tv_nsec / 1000000;
}

// The first picture of a menu movie, decoded by the ffmpeg program.
QImage FirstPicture(const std::string& vob, const std::string& png) {
    const auto decoded =
        testsupport::RunCommand({"ffmpeg", "-v", "error", "-y", "-i", vob, "-frames:v", "1", png});
    EXPECT_EQ(decoded.status, 0) << decoded.output;
    return QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST_F(Cli, MakesADiscImageAPlayerCanUseAndBurnsTheFolderAgain) {
    const std::string before = SavedOptions().GetValue(keys::FILENAME_SN);
    const std::string a = Clip("A day at the seaside with the whole family.avi", 2, true);
    const std::string b = Clip("b.avi", 1.5, false);
    CliRun run = Run({"make", "--iso", "--pal", "--label", "TRIP", "--quality", "fit", "--stretch",
                      "--jobs", "1", "--working-folder", work_ / "work", a, b});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, "Converting media files to vob ...")) << run.out;
    // --jobs 1: b's conversion is logged as it starts, which is after a's
    // stream was last written (side by side it would be long before).
    fs::path streamA;
    for (const auto& entry : fs::directory_iterator(work_ / "work"))
        if (Has(entry.path().filename(), "family.vob"))
            streamA = entry.path();
    const long long bStarts = LineStampMs(run.out, "Converting " + b);
    const long long aEnded = ModifiedMs(streamA);
    ASSERT_TRUE(bStarts >= 0 && aEnded >= 0) << run.out;
    const long long day = 24LL * 3600 * 1000;
    EXPECT_LT((bStarts - aEnded + day) % day, day / 2) << run.out << aEnded;
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
    auto walkOpened = testsupport::DvdWalk::Open(image);
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    ASSERT_EQ(walk->Settle().buttons, 2);
    auto root = walk->Press(2);
    EXPECT_EQ(root.buttons, 3) << root.ToString();  // two videos and the way back
    EXPECT_EQ(walk->Press(3).domain, testsupport::DvdDomain::ManagerMenu);
    walk->Press(2);
    EXPECT_EQ(walk->Press(2).part, 2);
    // The root menu names each video below its thumbnail: a long name
    // shortened to the strip's width, a one-letter name, nothing below the
    // empty third cell (light pixels counted in the decoded menu).
    const std::string still = (work_ / "root.png").string();
    ASSERT_EQ(
        testsupport::RunCommand({"ffmpeg", "-v", "error", "-y", "-i",
                                 (work_ / "work" / "DVD_1" / "VIDEO_TS" / "VTS_01_0.VOB").string(),
                                 "-frames:v", "1", still})
            .status,
        0);
    const QImage menu(QString::fromStdString(still));
    ASSERT_EQ(menu.size(), QSize(720, 576));
    auto letters = [&](int from, int to) {
        int light = 0;
        for (int y = 98 + 96; y < 98 + 96 + 16; ++y)
            for (int x = from; x < to; ++x)
                light += qGray(menu.pixel(x, y)) > 200 ? 1 : 0;
        return light;
    };
    EXPECT_GT(letters(74, 202), 80);  // the long name fills its strip (116 seen)
    // and stays inside it, so inside the title-safe area (from x = 72)
    EXPECT_EQ(letters(0, 74) + letters(202, 222), 0);
    EXPECT_GT(letters(222, 350), 3);
    EXPECT_EQ(letters(370, 498), 0);

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
    // make and burn print the report of each check: the folder, then the image.
    EXPECT_TRUE(Has(run.out, "Disc check of " + image + ":\nok      Image size")) << run.out;
    EXPECT_TRUE(Has(burn.out, "ok      Volume label: \"AGAIN\"")) << burn.out;

    // check: the image passes with its label, fails with another, and a cut
    // image fails naming it.
    CliRun check = Run({"check", "--label", "TRIP", image});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(check.LastLine(), "Disc checked: 2 videos, menus and buttons as expected");
    EXPECT_TRUE(Has(check.out, "ok      Root menu buttons: 2 buttons")) << check.out;
    CliRun other = Run({"check", "--label", "OTHER", image});
    EXPECT_EQ(other.status, 1);
    EXPECT_TRUE(Has(other.out, "FAILED  Volume label: \"TRIP\", expected \"OTHER\"")) << other.out;
    ASSERT_EQ(truncate(image.c_str(), platform::FileSize(image) - 4096), 0);
    CliRun cut = Run({"check", image});
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(Has(cut.out, "FAILED  Image size: the image is truncated")) << cut.out;
}

// A project saved with a run, moved with its videos to another folder, makes
// the same disc; a project whose video is missing and one that is not XML are
// refused with a message naming the file, and are left as they were.
// On a wide menu a wide video's thumbnail fills its cell and a 4:3 one keeps
// bars at its sides (both keep their shape: columns of the decoded menu).
TEST_F(Cli, ThumbnailsFillTheirCellsAsFarAsTheirShapeAllows) {
    const std::string narrow = Clip("narrow.avi", 1, false);
    const std::string wide = (work_ / "wide.avi").string();
    ASSERT_EQ(testsupport::RunCommand({"ffmpeg", "-y", "-loglevel", "error", "-f", "lavfi", "-i",
                                       "color=c=gray:size=320x180:rate=25:duration=1", "-c:v",
                                       "mpeg4", wide})
                  .status,
              0);
    const CliRun run = Run(
        {"make", "--pal", "--aspect", "16:9", "--working-folder", work_ / "work", narrow, wide});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::string still = (work_ / "root.png").string();
    ASSERT_EQ(testsupport::RunCommand({"ffmpeg", "-v", "error", "-y", "-i",
                                       run.LastLine() + "/VIDEO_TS/VTS_01_0.VOB", "-frames:v", "1",
                                       still})
                  .status,
              0);
    const QImage menu(QString::fromStdString(still));
    ASSERT_EQ(menu.size(), QSize(720, 576));
    auto column = [&](int x) {  // mean grey down the middle of the thumbnail row
        int sum = 0;
        for (int y = 110; y < 180; ++y)
            sum += qGray(menu.pixel(x, y));
        return sum / 70;
    };
    // Cells start at x = 74 and 222, 128 wide; a 4:3 picture is 90 of them.
    EXPECT_LT(column(74 + 10), 30);  // the 4:3 video's bar
    EXPECT_GT(column(74 + 64), 30);
    EXPECT_GT(column(222 + 10), 90);  // the grey wide video, where a bar was
    EXPECT_GT(column(222 + 118), 90);
}

// --title shows the disc's title in the title menu's band, inside the
// title-safe area; a title too long for it is shortened, not cut (pixels of
// the decoded title menus against those of a disc without a title).
TEST_F(Cli, TheTitleMenuShowsTheDiscTitleInsideItsBand) {
    const std::string clip = Clip("clip.avi", 1, false);
    auto titleMenu = [&](const std::string& name, const std::vector<std::string>& title) {
        std::vector<std::string> args{"make", "--pal", "--working-folder", work_ / name};
        args.insert(args.end(), title.begin(), title.end());
        args.push_back(clip);
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 0) << run.out << run.err;
        return FirstPicture(run.LastLine() + "/VIDEO_TS/VIDEO_TS.VOB", work_ / (name + ".png"));
    };
    const QImage plain = titleMenu("plain", {});
    ASSERT_EQ(plain.size(), QSize(720, 576));
    // Where a titled menu differs from the plain one.
    auto changes = [&](const QImage& titled) {
        QRect where;
        for (int y = 0; y < 576; ++y)
            for (int x = 0; x < 720; ++x)
                if (std::abs(qGray(titled.pixel(x, y)) - qGray(plain.pixel(x, y))) > 48)
                    where |= QRect(x, y, 1, 1);
        return where;
    };
    const QRect band(72, 70, 576, 110);  // inside the title-safe area
    std::string summer = "Summer 2026 \u00c4\u00d6\u00dc";
    const QRect shown = changes(titleMenu("titled", {"--title", summer}));
    EXPECT_TRUE(band.contains(shown))
        << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height();
    EXPECT_GE(shown.height(), 40);  // capitals with their dots, from across the room
    EXPECT_GE(shown.width(), 300);
    std::string longTitle;
    while (longTitle.size() < 200)
        longTitle += "Holidays ";
    const QRect shortened = changes(titleMenu("long", {"--title", longTitle.substr(0, 200)}));
    EXPECT_TRUE(band.contains(shortened)) << shortened.x() << " " << shortened.width();
    EXPECT_GE(shortened.width(), 540);  // as wide as the band allows
}

// Videos that share a name are told apart below their thumbnails (the name
// strips of the decoded root menu differ pairwise).
TEST_F(Cli, VideosThatShareANameGetDifferentNamesInTheMenu) {
    std::vector<std::string> args{"make", "--pal", "--working-folder", work_ / "work"};
    for (const char* name : {"late.avi", "late.mov", "late.mpg"})
        args.push_back(Clip(name, 1, false));
    const CliRun run = Run(args);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const QImage menu = FirstPicture(run.LastLine() + "/VIDEO_TS/VTS_01_0.VOB", work_ / "root.png");
    ASSERT_EQ(menu.size(), QSize(720, 576));
    // Letters in the strips below the first three cells (x = 74, 222, 370).
    auto differing = [&](int a, int b) {
        int count = 0;
        for (int y = 98 + 96; y < 98 + 96 + 16; ++y)
            for (int x = 0; x < 128; ++x)
                count += (qGray(menu.pixel(74 + 148 * a + x, y)) > 200) !=
                         (qGray(menu.pixel(74 + 148 * b + x, y)) > 200);
        return count;
    };
    // One name drawn three times differs by a few pixels of noise (2 to 5).
    EXPECT_GT(differing(0, 1), 15);
    EXPECT_GT(differing(0, 2), 15);
    EXPECT_GT(differing(1, 2), 15);
}

TEST_F(Cli, AProjectMovedWithItsVideosMakesTheSameDisc) {
    fs::create_directory(work_ / "videos");
    const std::string a = Clip("videos/a.avi", 2, true);
    const std::string b = Clip("videos/b.avi", 1, false);
    const std::string project = (work_ / "videos" / "holiday.quorva").string();
    const CliRun first = Run({"make", "--pal", "--label", "HOLIDAY", "--title", "Our holiday",
                              "--working-folder", work_ / "one", "--save-project", project, b, a});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(Has(first.out, "Saved project " + project)) << first.out;
    const std::string saved = platform::ReadFile(project).value_or("");
    EXPECT_TRUE(Has(saved, "<quorva-project version=\"1\">")) << saved;
    EXPECT_TRUE(Has(saved, "path=\"b.avi\"")) << saved;  // stored relative to the project
    EXPECT_TRUE(Has(saved, "volume-label=\"HOLIDAY\"")) << saved;
    EXPECT_TRUE(Has(saved, "disc-title=\"Our holiday\"")) << saved;

    fs::rename(work_ / "videos", work_ / "moved");
    const std::string moved = (work_ / "moved" / "holiday.quorva").string();
    const CliRun second = Run({"make", "--working-folder", work_ / "two", moved});
    ASSERT_EQ(second.status, 0) << second.err;
    // Titles, chapters in the saved order with their lengths, format and label.
    auto chapters = [](const std::string& disc) {
        std::string kept;
        for (const char* line :
             {"Title: 01", "Chapter: 01", "Chapter: 02", "Chapter: 03", "Format"}) {
            const std::string all = testsupport::RunCommand({"lsdvd", "-c", "-v", disc}).output;
            const std::size_t at = all.find(line);
            kept += at == std::string::npos ? "-" : all.substr(at, all.find('\n', at) - at);
            kept += "\n";
        }
        return kept;
    };
    const std::string original = chapters(first.LastLine());
    EXPECT_EQ(chapters(second.LastLine()), original);
    EXPECT_TRUE(Has(original, "Chapters: 02")) << original;
    EXPECT_TRUE(Has(original, "Chapter: 01, Length: 00:00:01")) << original;  // b first
    EXPECT_TRUE(Has(original, "PAL")) << original;  // the project's TV standard
    // The same title menu, with the project's title.
    const QImage titled =
        FirstPicture(first.LastLine() + "/VIDEO_TS/VIDEO_TS.VOB", work_ / "1.png");
    const QImage again =
        FirstPicture(second.LastLine() + "/VIDEO_TS/VIDEO_TS.VOB", work_ / "2.png");
    ASSERT_EQ(titled.size(), QSize(720, 576));
    ASSERT_EQ(again.size(), titled.size());
    int differing = 0;
    for (int y = 0; y < titled.height(); ++y)
        for (int x = 0; x < titled.width(); ++x)
            differing += std::abs(qGray(titled.pixel(x, y)) - qGray(again.pixel(x, y))) > 48;
    EXPECT_LT(differing, 20);

    fs::remove(work_ / "moved" / "a.avi");
    const CliRun missing = Run({"make", "--working-folder", work_ / "three", moved});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Has(missing.err, (work_ / "moved" / "a.avi").string())) << missing.err;
    EXPECT_FALSE(fs::exists(work_ / "three" / "DVD_1"));
    EXPECT_EQ(platform::ReadFile(moved).value_or(""), saved);

    const std::string junk = (work_ / "junk.quorva").string();
    ASSERT_TRUE(platform::WriteFileAtomically(junk, "these are not the videos\n"));
    const CliRun notXml = Run({"make", junk});
    EXPECT_EQ(notXml.status, 1);
    EXPECT_TRUE(Has(notXml.err, "The project " + junk + " cannot be opened: it is not an XML file"))
        << notXml.err;
    EXPECT_EQ(platform::ReadFile(junk).value_or(""), "these are not the videos\n");
}

// A chapter every N minutes inside each video, on group starts, none in its
// last minute; the root menu's buttons still start each video (the job's own
// check presses them).
TEST_F(Cli, ChaptersEveryMinutesInsideAVideo) {
    const std::string a = Clip("a.avi", 2, true);
    const std::string b = Clip("b.avi", 150, true);
    CliRun run =
        Run({"make", "--pal", "--chapters", "1", "--working-folder", work_ / "work", a, b});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::string lsdvd = testsupport::RunCommand({"lsdvd", "-x", run.LastLine()}).output;
    EXPECT_TRUE(Has(lsdvd, "Chapters: 03")) << lsdvd;  // a; b at 0:00 and 1:00, not 2:00
    const std::size_t second = lsdvd.find("Chapter: 02, Length: ");
    ASSERT_NE(second, std::string::npos) << lsdvd;
    int h = 0, m = 0;
    double sec = 0;
    ASSERT_EQ(std::sscanf(lsdvd.c_str() + second + 21, "%d:%d:%lf", &h, &m, &sec), 3);
    EXPECT_NEAR(h * 3600 + m * 60 + sec, 60, 0.6) << lsdvd;
}

TEST_F(Cli, AudioChoosesTheSoundTracksByLanguage) {
    const std::string two = work_ / "two.mkv";
    ASSERT_TRUE(testsupport::MakeEnglishFrenchClip(two, 2));
    const std::string project = work_ / "french.quorva";
    CliRun run = Run({"make", "--pal", "--audio", "fr", "--working-folder", work_ / "w",
                      "--save-project", project, two});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    // The project keeps the choice: made from it, the disc is the same.
    CliRun again = Run({"make", "--working-folder", work_ / "again", project});
    ASSERT_EQ(again.status, 0) << again.out << again.err;
    for (const CliRun* made : {&run, &again}) {
        const std::string lsdvd = testsupport::RunCommand({"lsdvd", "-a", made->LastLine()}).output;
        EXPECT_TRUE(Has(lsdvd, "Audio streams: 01")) << lsdvd;
        EXPECT_TRUE(Has(lsdvd, "Audio: 1, Language: fr")) << lsdvd;
    }
}

// A player's audio and subtitle buttons set its stream registers as a disc's
// own SetSTN command does, and libdvdnav takes the choice only for a stream
// the title's program chain marks available. The title's command that shows
// the English subtitles is made to choose the French sound track as well.
TEST_F(Cli, APlayerSwitchesToTheSecondSoundTrackAndTheSubtitles) {
    const std::string film = work_ / "film.mkv";
    ASSERT_TRUE(testsupport::MakeEnglishFrenchClip(film, 3));
    std::ofstream(work_ / "film.en.srt") << "1\n00:00:00,500 --> 00:00:02,500\nHello\n";
    const CliRun run = Run(
        {"make", "--pal", "--subtitle-default", "en", "--working-folder", work_ / "work", film});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const fs::path ifo = fs::path(run.LastLine()) / "VIDEO_TS" / "VTS_01_0.IFO";
    std::string table = platform::ReadFile(ifo).value_or("");
    const std::size_t command = table.find(std::string("\x51\0\0\0\xC0\0\0\0", 8));
    ASSERT_NE(command, std::string::npos);  // SetSTN subtitle 0 shown
    table[command + 3] = '\x81';            // and audio 1
    std::ofstream(ifo, std::ios::binary | std::ios::trunc) << table;

    auto walkOpened = testsupport::DvdWalk::Open(run.LastLine());
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    walk->Settle();
    ASSERT_EQ(walk->Press(1).domain, testsupport::DvdDomain::Title) << walk->Complaints();
    const int audio = walk->AudioStream();
    ASSERT_EQ(audio, 1);
    EXPECT_EQ(walk->AudioStreams().at(audio), "fr");
    bool shown = false;
    EXPECT_EQ(walk->SubtitleStream(&shown), 0);
    EXPECT_TRUE(shown);
    const std::set<int> played = walk->SubstreamsPlayed();
    EXPECT_TRUE(played.count(0x81) && played.count(0x20)) << played.size() << " sub-streams";
}

// --after-each menu: the end of a video shows the root menu page that holds
// its button, with that button highlighted (libdvdnav plays to the video's
// end). Twelve DVD-ready streams, taken as they are, make two pages.
TEST_F(Cli, AfterEachVideoTheRootMenuPageOfItsButtonComesBack) {
    std::vector<std::string> args{"make",         "--ntsc", "--aspect",         "4:3",
                                  "--after-each", "menu",   "--working-folder", work_ / "work"};
    for (int i = 1; i <= 12; ++i) {
        args.push_back(work_ / ("v" + std::to_string(i) + ".vob"));
        ASSERT_TRUE(testsupport::MakeDvdMpeg(args.back(), false, 0.5));
    }
    const CliRun run = Run(args);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    auto walkOpened = testsupport::DvdWalk::Open(run.LastLine());
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    ASSERT_EQ(walk->Settle().domain, testsupport::DvdDomain::ManagerMenu);
    const testsupport::DvdPlace first = walk->Press(2);  // nine videos, Next, back
    ASSERT_EQ(first.buttons, 11) << first.ToString();
    EXPECT_EQ(walk->Press(2).part, 2);
    testsupport::DvdPlace back = walk->PlayUntilMenu();
    EXPECT_TRUE(back.SameMenu(first)) << back.ToString();
    EXPECT_EQ(back.highlighted, 2) << back.ToString();
    const testsupport::DvdPlace second = walk->Press(10);  // videos 10 to 12
    ASSERT_EQ(second.buttons, 5) << second.ToString();
    EXPECT_EQ(walk->Press(2).part, 11);
    back = walk->PlayUntilMenu();
    EXPECT_TRUE(back.SameMenu(second)) << back.ToString();
    EXPECT_EQ(back.highlighted, 2) << back.ToString();
    // The way back from the title menu is not taken for a return.
    ASSERT_EQ(walk->CallTitleMenu().domain, testsupport::DvdDomain::ManagerMenu);
    EXPECT_TRUE(walk->Press(2).SameMenu(first));
}

// Whether letters of the first subtitle stream show, picture by picture, in
// the title of disc: the stream, in the colours of the title's palette, drawn
// over black by the ffmpeg program. The subtitles are read as a second input,
// so that they reach the picture as a player's would, however far ahead of
// them the video lies in the file.
std::vector<bool> SubtitleShown(const std::string& disc, const std::string& scratch) {
    const std::string vob = disc + "/VIDEO_TS/VTS_01_1.VOB";
    const auto drawn = testsupport::RunCommand(
        {"ffmpeg", "-y", "-loglevel", "error", "-copyts", "-i", vob, "-copyts", "-ifo_palette",
         disc + "/VIDEO_TS/VTS_01_0.IFO", "-i", vob, "-filter_complex",
         "[0:v]drawbox=c=black:t=fill[b];[b][1:s:0]overlay,format=gray", "-fps_mode", "passthrough",
         "-f", "rawvideo", scratch});
    EXPECT_EQ(drawn.status, 0) << drawn.output;
    const std::string pixels = platform::ReadFile(scratch).value_or("");
    constexpr std::size_t kFrame = 720 * 576;
    std::vector<bool> shown;
    for (std::size_t at = 0; at + kFrame <= pixels.size(); at += kFrame)
        shown.push_back(std::count_if(pixels.begin() + at, pixels.begin() + at + kFrame,
                                      [](char c) { return static_cast<unsigned char>(c) > 200; }) >
                        100);
    return shown;
}

TEST_F(Cli, SubtitlesBesideAVideoShowDuringTheirCuesOnly) {
    const std::string clip = Clip("film.avi", 7, true);
    std::ofstream(work_ / "film.en.srt")
        << "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello there\r\n\r\n"
           "2\r\n00:00:03,000 --> 00:00:04,000\r\nSecond line\r\n\r\n"
           "3\r\n00:00:05,000 --> 00:00:06,000\r\nThe end\r\n";
    CliRun run = Run({"make", "--pal", "--working-folder", work_ / "work", clip});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::string lsdvd = testsupport::RunCommand({"lsdvd", "-s", run.LastLine()}).output;
    EXPECT_TRUE(Has(lsdvd, "Subpictures: 01")) << lsdvd;
    EXPECT_TRUE(Has(lsdvd, "Language: en")) << lsdvd;

    const std::vector<bool> shown = SubtitleShown(run.LastLine(), work_ / "shown.gray");
    ASSERT_GE(shown.size(), 170u);
    const std::pair<double, double> cues[] = {{1.0, 2.5}, {3.0, 4.0}, {5.0, 6.0}};
    constexpr double kPicture = 1 / 25.0;
    for (std::size_t n = 0; n < shown.size(); ++n) {
        const double t = n * kPicture;
        bool during = false, near = false;
        for (const auto& [start, end] : cues) {
            during = during || (t >= start + kPicture && t < end - kPicture);
            near = near || (t >= start - kPicture && t < end + kPicture);
        }
        if (during) {
            EXPECT_TRUE(shown[n]) << "no subtitle at " << t << " s";
        } else if (!near) {
            EXPECT_FALSE(shown[n]) << "a subtitle at " << t << " s";
        }
    }
}

TEST_F(Cli, TextAndPictureSubtitlesInsideAVideoBothReachTheDisc) {
    const std::string clip = Clip("inside.avi", 5, true);
    std::ofstream(work_ / "text.ass")
        << "[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n[V4+ Styles]\n"
           "Format: Name, Fontname, Fontsize, PrimaryColour, BackColour, Bold, Italic, "
           "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
           "Style: Default,DejaVu Sans,20,&H00FFFFFF,&H00000000,0,0,1,2,0,2,10,10,10,1\n\n"
           "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, "
           "Effect, Text\nDialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,{\\i1}Styled{\\i0} "
           "words\n";
    ASSERT_TRUE(testsupport::MakePgsSubtitles(work_ / "pictures.sup", 320, 240, {{2.5, 3.5}}));
    const std::string mkv = work_ / "inside.mkv";
    auto muxed = testsupport::RunCommand({"ffmpeg",
                                          "-y",
                                          "-loglevel",
                                          "error",
                                          "-copyts",
                                          "-i",
                                          clip,
                                          "-i",
                                          work_ / "text.ass",
                                          "-i",
                                          work_ / "pictures.sup",
                                          "-map",
                                          "0",
                                          "-map",
                                          "1",
                                          "-map",
                                          "2",
                                          "-c:v",
                                          "copy",
                                          "-c:a",
                                          "copy",
                                          "-c:s",
                                          "copy",
                                          "-metadata:s:s:0",
                                          "language=eng",
                                          "-metadata:s:s:1",
                                          "language=fre",
                                          mkv});
    ASSERT_EQ(muxed.status, 0) << muxed.output;

    // Both become streams with their languages; none shows until chosen.
    CliRun run = Run({"make", "--pal", "--working-folder", work_ / "work", mkv});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::string disc = run.LastLine();
    const std::string lsdvd = testsupport::RunCommand({"lsdvd", "-s", disc}).output;
    EXPECT_TRUE(Has(lsdvd, "Subpictures: 02")) << lsdvd;
    EXPECT_TRUE(Has(lsdvd, "Language: en")) << lsdvd;
    EXPECT_TRUE(Has(lsdvd, "Language: fr")) << lsdvd;
    const std::string streams =
        testsupport::RunCommand({"ffprobe", "-v", "error", "-show_entries", "stream=id,codec_name",
                                 "-of", "csv", disc + "/VIDEO_TS/VTS_01_1.VOB"})
            .output;
    EXPECT_TRUE(Has(streams, "dvd_subtitle,0x20")) << streams;
    EXPECT_TRUE(Has(streams, "dvd_subtitle,0x21")) << streams;
    auto walkOpened = testsupport::DvdWalk::Open(disc);
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    walk->Settle();
    ASSERT_EQ(walk->Press(1).domain, testsupport::DvdDomain::Title);
    bool shownAtStart = true;
    EXPECT_EQ(walk->SubtitleStream(&shownAtStart), 0);
    EXPECT_FALSE(shownAtStart);

    // Chosen to show, the player switches to the French stream.
    run =
        Run({"make", "--pal", "--subtitle-default", "fr", "--working-folder", work_ / "work", mkv});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    walkOpened = testsupport::DvdWalk::Open(run.LastLine());
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    walk = std::move(*walkOpened);
    walk->Settle();
    ASSERT_EQ(walk->Press(1).domain, testsupport::DvdDomain::Title);
    bool shown = false;
    EXPECT_EQ(walk->SubtitleStream(&shown), 1);
    EXPECT_TRUE(shown);
}

TEST_F(Cli, ASubtitleStreamThatShowsNothingIsLeftOut) {
    const std::string clip = Clip("quiet.avi", 2, true);
    std::ofstream(work_ / "none.ass")
        << "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\nFormat: Name, Fontname, "
           "Fontsize\nStyle: Default,DejaVu Sans,20\n\n[Events]\nFormat: Layer, Start, End, "
           "Style, Text\n";
    const std::string mkv = work_ / "quiet.mkv";
    auto muxed =
        testsupport::RunCommand({"ffmpeg", "-y", "-loglevel", "error", "-i", clip, "-i",
                                 work_ / "none.ass", "-map", "0", "-map", "1", "-c", "copy", mkv});
    ASSERT_EQ(muxed.status, 0) << muxed.output;
    CliRun run = Run({"make", "--pal", "--working-folder", work_ / "work", mkv});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(Lsdvd(run.LastLine()), "Subpictures: 00"));
}

TEST_F(Cli, ADvdStreamUsedAsItIsGetsItsSubtitlesUnderANameOfItsOwn) {
    const std::string vob = work_ / "ready.vob";
    ASSERT_TRUE(testsupport::MakeDvdMpeg(vob, true, 2));
    std::ofstream(work_ / "ready.srt") << "1\n00:00:00,500 --> 00:00:01,500\nHello\n";
    fs::create_directories(work_ / "work");
    std::ofstream(work_ / "work" / "ready.sub.vob") << "the user's own file";
    CliRun run = Run({"make", "--pal", "--aspect", "4:3", "--working-folder", work_ / "work", vob});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_FALSE(Has(run.out, "Converting " + vob)) << run.out;  // used as it is
    EXPECT_TRUE(Has(Lsdvd(run.LastLine()), "Subpictures: 01"));
    EXPECT_TRUE(platform::ReadFile(work_ / "work" / "ready.sub.vob") == "the user's own file");
}

// A DVD-ready stream with two sound tracks goes on the disc as it is, with
// both tracks and the subtitles beside it.
TEST_F(Cli, ADvdStreamWithTwoSoundTracksIsUsedAsItIs) {
    const std::string vob = work_ / "two.vob";
    const auto made =
        testsupport::RunCommand({"ffmpeg",   "-v",         "error",    "-y",
                                 "-f",       "lavfi",      "-i",       "testsrc=s=720x576:r=25",
                                 "-f",       "lavfi",      "-i",       "sine=f=440:r=48000",
                                 "-f",       "lavfi",      "-i",       "sine=f=880:r=48000",
                                 "-map",     "0",          "-map",     "1",
                                 "-map",     "2",          "-t",       "2",
                                 "-c:v",     "mpeg2video", "-b:v",     "3M",
                                 "-maxrate", "8M",         "-bufsize", "1835k",
                                 "-g",       "12",         "-aspect",  "4:3",
                                 "-c:a",     "ac3",        "-ac",      "2",
                                 "-f",       "dvd",        vob});
    ASSERT_EQ(made.status, 0) << made.output;
    std::ofstream(work_ / "two.srt") << "1\n00:00:00,500 --> 00:00:01,500\nHello\n";
    CliRun run = Run({"make", "--pal", "--aspect", "4:3", "--working-folder", work_ / "work", vob});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_FALSE(Has(run.out, "Converting " + vob)) << run.out;
    const std::string lsdvd = testsupport::RunCommand({"lsdvd", "-a", "-s", run.LastLine()}).output;
    EXPECT_TRUE(Has(lsdvd, "Audio streams: 02, Subpictures: 01")) << lsdvd;
    const std::string streams =
        testsupport::RunCommand({"ffprobe", "-v", "error", "-show_entries", "stream=id,codec_name",
                                 "-of", "csv", run.LastLine() + "/VIDEO_TS/VTS_01_1.VOB"})
            .output;
    for (const char* stream : {"ac3,0x80", "ac3,0x81", "dvd_subtitle,0x20"})
        EXPECT_TRUE(Has(streams, stream)) << streams;
}

TEST_F(Cli, ASubtitleFileThatCannotBeReadStopsMakeUnlessLeftOut) {
    const std::string clip = Clip("bad.avi", 2, true);
    std::ofstream(work_ / "bad.srt", std::ios::binary) << std::string("\x00\x01\x02\x03 junk", 9);
    CliRun run = Run({"make", "--pal", "--working-folder", work_ / "work", clip});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, work_ / "bad.srt")) << run.err;
    EXPECT_TRUE(Has(run.err, "--skip-bad-subtitles")) << run.err;
    EXPECT_FALSE(Has(run.out, "Converting")) << run.out;

    run = Run({"make", "--pal", "--skip-bad-subtitles", "--working-folder", work_ / "work", clip});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(Lsdvd(run.LastLine()), "Subpictures: 00"));
}

// A subtitle a project drops stays off the disc made from it.
TEST_F(Cli, ASubtitleTheProjectDropsStaysOffTheDisc) {
    Clip("film.avi", 2, true);
    std::ofstream(work_ / "film.en.srt") << "1\n00:00:00,500 --> 00:00:01,500\nHello\n";
    const fs::path project = work_ / "film.quorva";
    ASSERT_TRUE(platform::WriteFileAtomically(
        project,
        "<quorva-project version=\"1\"><disc tv-standard=\"1\"/><videos>"
        "<video path=\"film.avi\" dropped-subtitles=\"1\"/></videos></quorva-project>"));
    const CliRun run = Run({"make", "--working-folder", work_ / "work", project});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(Lsdvd(run.LastLine()), "Subpictures: 00"));
}

// A project a later version saved is used, and the user is told so once.
TEST_F(Cli, AProjectOfALaterVersionSaysSoOnce) {
    const fs::path project = work_ / "later.quorva";
    ASSERT_TRUE(platform::WriteFileAtomically(
        project,
        "<quorva-project version=\"2\"><videos><video path=\"gone.avi\"/>"
        "<future/></videos></quorva-project>"));
    const CliRun run = Run({"make", "--working-folder", work_ / "later", project});
    EXPECT_EQ(run.status, 1);
    const std::string notice = "was saved by a later version of Quorva (project format 2";
    EXPECT_TRUE(Has(run.err, notice)) << run.err;
    EXPECT_EQ(run.err.find(notice), run.err.rfind(notice)) << run.err;
    EXPECT_TRUE(Has(run.err, "no such video file: " + (work_ / "gone.avi").string())) << run.err;
}

// The space asked for before the first conversion counts the disc image that
// --iso writes beside the DVD folder: a folder with room for the streams and
// the DVD folder, not for the image as well, is refused before any work.
TEST_F(Cli, AnImageThatCannotFitIsRefusedBeforeConverting) {
    const std::string clip = Clip("fit.avi", 1, true);
    const fs::path small = work_ / "small";
    fs::create_directory(small);
    if (geteuid() != 0 || mount("tmpfs", small.c_str(), "tmpfs", 0, "size=3m") != 0)
        GTEST_SKIP() << "a small file system can only be mounted by root";
    const CliRun run = Run({"make", "--iso", "--working-folder", small / "work", clip});
    umount2(small.c_str(), MNT_DETACH);
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_TRUE(Has(run.err, "Not enough free space in the working folder")) << run.err;
    EXPECT_FALSE(Has(run.out, "Converting")) << run.out;
}

// A path far longer than any real one (a project may name one of megabytes)
// is shown by its start and end and its length, not echoed whole.
TEST_F(Cli, AHugePathIsShortenedInMessages) {
    const std::string huge = "/" + std::string(200000, 'h') + ".avi";
    const fs::path project = work_ / "huge.quorva";
    ASSERT_TRUE(platform::WriteFileAtomically(
        project, "<quorva-project version=\"1\"><videos><video path=\"" + huge +
                     "\"/></videos></quorva-project>"));
    const CliRun run = Run({"make", "--working-folder", work_ / "huge", project});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "(a path of 200005 bytes)")) << run.err.substr(0, 300);
    EXPECT_LT(run.err.size(), 4000u);
}

TEST_F(Cli, SavingAProjectNeverReplacesWhatIsNotAProject) {
    const std::string video = Clip("holiday.mp4", 1, false);
    const std::string bytes = platform::ReadFile(video).value_or("");
    const fs::path notes = work_ / "notes.quorva", link = work_ / "link.quorva",
                   pipe = work_ / "pipe.quorva";
    ASSERT_TRUE(platform::WriteFileAtomically(notes, "my notes\n"));
    fs::create_symlink(notes, link);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    for (const fs::path& target : {notes, link, pipe}) {
        const CliRun run =
            Run({"make", "--working-folder", work_ / "w", "--save-project", target, video});
        EXPECT_EQ(run.status, 1) << target;
        EXPECT_TRUE(Has(run.err, target.string())) << run.err;
    }
    EXPECT_EQ(platform::ReadFile(notes).value_or(""), "my notes\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_fifo(pipe));

    // The project's name forgotten: the video stays, the project gets its ending.
    const CliRun forgot =
        Run({"make", "--working-folder", work_ / "w", "--save-project", video, video});
    ASSERT_EQ(forgot.status, 0) << forgot.err;
    EXPECT_EQ(platform::ReadFile(video).value_or(""), bytes);
    EXPECT_TRUE(Has(platform::ReadFile(video + ".quorva").value_or(""), "<quorva-project"));
}

TEST_F(Cli, TwoRunsAtOnceInOneWorkingFolderNeverShareANumberOrAFolder) {
    const int before = std::stoi(SavedOptions().GetValue(keys::FILENAME_SN));
    fs::create_directories(work_ / "one");
    fs::create_directories(work_ / "two");
    const std::string one = Clip("one/clip.avi", 2, true);
    const std::string two = Clip("two/clip.avi", 4, true);
    const fs::path shared = work_ / "work";
    auto start = [&](const std::string& clip, const std::string& name) {
        std::vector<std::string> argv{
            program_->Path() + "quorva-cli", "make", "--iso", "--working-folder", shared, clip};
        return testsupport::RunCommand(argv, "", (work_ / name).string());
    };
    std::thread first([&] { start(one, "one.out"); });
    std::thread second([&] { start(two, "two.out"); });
    first.join();
    second.join();
    auto image = [&](const std::string& name) {
        std::string out = platform::ReadFile(work_ / name).value_or("");
        while (!out.empty() && out.back() == '\n')
            out.pop_back();
        return out.substr(out.rfind('\n') + 1);
    };
    const std::string imageOne = image("one.out");
    const std::string imageTwo = image("two.out");
    EXPECT_NE(imageOne, imageTwo);
    EXPECT_NEAR(TitleSeconds(Lsdvd(imageOne)), 2, 0.5) << imageOne;
    EXPECT_NEAR(TitleSeconds(Lsdvd(imageTwo)), 4, 0.5) << imageTwo;
    std::vector<std::string> streams;
    for (const auto& entry : fs::directory_iterator(shared))
        if (entry.path().extension() == ".vob")
            streams.push_back(entry.path().filename());
    std::sort(streams.begin(), streams.end());
    EXPECT_EQ(streams, (std::vector<std::string>{std::to_string(before) + "_clip.vob",
                                                 std::to_string(before + 1) + "_clip.vob"}));
    EXPECT_EQ(SavedOptions().GetValue(keys::FILENAME_SN), std::to_string(before + 2));
}

// The same videos made again by a new run of the program take new running
// numbers, yet each is converted once: the second run reuses the streams by
// their records and makes the same disc. It needs no room to convert them
// again: its working folder (where root can make it so) has room for what
// the first run made and one more disc, not for converting again.
TEST_F(Cli, ASecondRunReusesTheStreamsWhateverTheirNumbers) {
    auto still = [&](const std::string& name, int seconds, bool audio) {
        const std::string time = std::to_string(seconds);
        std::vector<std::string> argv{"ffmpeg",
                                      "-v",
                                      "error",
                                      "-f",
                                      "lavfi",
                                      "-i",
                                      "color=c=blue:size=64x48:rate=25:duration=" + time};
        if (audio)
            argv.insert(argv.end(), {"-f", "lavfi", "-i", "sine=duration=" + time});
        argv.insert(argv.end(), {"-c:v", "mpeg4", work_ / name});
        EXPECT_EQ(testsupport::RunCommand(argv).status, 0);
        return (work_ / name).string();
    };
    const std::string a = still("a.avi", 12, true);
    const std::string b = still("b.avi", 8, false);
    const fs::path work = work_ / "work";
    fs::create_directory(work);
    // 20 s of video are estimated at 23 MB a conversion and as much again
    // for the disc; the first run leaves about 2.5 MB.
    struct Mount {
        std::string path;
        ~Mount() {
            if (!path.empty())
                umount(path.c_str());
        }
    } small{mount("tmpfs", work.c_str(), "tmpfs", 0, "size=47m") == 0 ? work.string() : ""};
    const std::vector<std::string> make{"make", "--pal", "--working-folder", work, a, b};
    const CliRun first = Run(make);
    ASSERT_EQ(first.status, 0) << first.out << first.err;
    const CliRun second = Run(make);
    ASSERT_EQ(second.status, 0) << second.out << second.err;
    EXPECT_FALSE(Has(second.out, "Converting " + a)) << second.out;
    EXPECT_FALSE(Has(second.out, "Converting " + b)) << second.out;
    EXPECT_TRUE(Has(second.out, ", converted earlier from " + a + ".")) << second.out;
    EXPECT_TRUE(Has(second.out, ", converted earlier from " + b + ".")) << second.out;
    int streams = 0;
    for (const auto& entry : fs::directory_iterator(work))
        streams += entry.path().extension() == ".vob";
    EXPECT_EQ(streams, 2);
    ASSERT_NE(first.LastLine(), second.LastLine());
    const std::string disc = Lsdvd(first.LastLine());
    EXPECT_TRUE(Has(disc, "Chapters: 02")) << disc;
    EXPECT_EQ(Lsdvd(second.LastLine()), disc);
    if (small.path.empty())
        std::printf("(the working folder was not a small file system: not root)\n");
}

TEST_F(Cli, AnImageKilledWhileWrittenNeverHasTheImagesName) {
    const fs::path dvd = work_ / "DVD_7";
    const std::string stream = work_ / "title.mpg";
    // A title of constant 8 Mbit/s, so that the image takes a moment to write.
    auto made = testsupport::RunCommand(
        {"ffmpeg",   "-v",    "error",    "-y",
         "-f",       "lavfi", "-i",       "color=c=0x1c2c50:s=720x480:r=30000/1001",
         "-f",       "lavfi", "-i",       "anullsrc=r=48000:cl=stereo",
         "-t",       "12",    "-c:v",     "mpeg2video",
         "-b:v",     "8M",    "-minrate", "8M",
         "-maxrate", "8M",    "-bufsize", "1835k",
         "-g",       "12",    "-c:a",     "ac3",
         "-f",       "dvd",   stream});
    ASSERT_EQ(made.status, 0) << made.output;
    setenv("VIDEO_FORMAT", "NTSC", 1);
    ASSERT_EQ(testsupport::RunCommand({"dvdauthor", "-o", dvd, "-t", stream}).status, 0);
    ASSERT_EQ(testsupport::RunCommand({"dvdauthor", "-o", dvd, "-T"}).status, 0);
    CliRun whole = Run({"burn", "--iso", dvd});
    ASSERT_EQ(whole.status, 0) << whole.err;
    const std::int64_t size = platform::FileSize(whole.LastLine());
    ASSERT_GT(size, 8 << 20);

    // Killed at a quarter of the image: nothing is named DVD_7-2.iso.
    const std::string final = (work_ / "DVD_7-2.iso").string();
    bool killedWhileWriting = false;
    for (int attempt = 0; attempt < 3 && !killedWhileWriting; ++attempt) {
        pid_t pid = Start({"burn", "--iso", dvd});
        for (;;) {
            const std::int64_t written =
                std::max(platform::FileSize(final + ".part"), platform::FileSize(final));
            if (written >= size / 4 || waitpid(pid, nullptr, WNOHANG) == pid)
                break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        killedWhileWriting = WIFSIGNALED(status);
        if (!killedWhileWriting)
            fs::remove(final);  // it ended before the kill: try again
    }
    ASSERT_TRUE(killedWhileWriting);
    EXPECT_FALSE(fs::exists(final));
    EXPECT_FALSE(Has(Lsdvd(final), "Title: 01"));

    // No record beside the folder says that the leftover is the program's (a
    // browser names an unfinished download so): the next run leaves it and
    // takes the next name.
    const std::int64_t leftover = platform::FileSize(final + ".part");
    ASSERT_GT(leftover, 0);
    CliRun again = Run({"burn", "--iso", dvd});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.LastLine(), (work_ / "DVD_7-3.iso").string());
    EXPECT_EQ(platform::FileSize(again.LastLine()), size);
    EXPECT_EQ(platform::FileSize(final + ".part"), leftover);
    // Nor is a killed run's private temp folder left once another has run.
    EXPECT_EQ(TempLeft(), std::vector<std::string>{});
}

TEST_F(Cli, BurnsADriveAtTheSpeedAskedAndRefusesASpeedNoDriveHas) {
    const fs::path dvd = work_ / "DVD_SPEED";
    const std::string stream = work_ / "speed.mpg";
    auto made =
        testsupport::RunCommand({"ffmpeg", "-v",    "error", "-y",
                                 "-f",     "lavfi", "-i",    "testsrc=s=720x480:r=30000/1001",
                                 "-f",     "lavfi", "-i",    "anullsrc=r=48000:cl=stereo",
                                 "-t",     "2",     "-c:v",  "mpeg2video",
                                 "-c:a",   "ac3",   "-f",    "dvd",
                                 stream});
    ASSERT_EQ(made.status, 0) << made.output;
    setenv("VIDEO_FORMAT", "NTSC", 1);
    ASSERT_EQ(testsupport::RunCommand({"dvdauthor", "-o", dvd, "-t", stream}).status, 0);
    ASSERT_EQ(testsupport::RunCommand({"dvdauthor", "-o", dvd, "-T"}).status, 0);
    // A drive as libburn writes one: a "stdio:" file, listed first.
    const std::string disc = work_ / "drive.img";
    setenv("QUORVA_BURNER_EXTRA_DRIVES", ("stdio:" + disc).c_str(), 1);
    const CliRun burned = Run({"burn", "--device", "0", "--speed", "4", "--yes", dvd});
    const CliRun refused = Run({"burn", "--device", "0", "--speed", "99", "--yes", dvd});
    unsetenv("QUORVA_BURNER_EXTRA_DRIVES");
    ASSERT_EQ(burned.status, 0) << burned.err;
    EXPECT_TRUE(Has(Lsdvd(disc), "Title: 01"));
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(Has(refused.err, "--speed takes a DVD speed from 1 to 24")) << refused.err;
}

TEST_F(Cli, VerboseShowsTheFfmpegMessagesThatAreOtherwiseKept) {
    // A clip with a stretch of its middle lost: the decoders complain.
    const std::string clip = work_ / "damaged.mpg";
    ASSERT_EQ(
        testsupport::RunCommand({"ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                                 "testsrc=size=320x240:rate=25:duration=2", "-f", "lavfi", "-i",
                                 "sine=duration=2", "-c:v", "mpeg2video", "-c:a", "ac3", clip})
            .status,
        0);
    std::string bytes = *platform::ReadFile(clip);
    bytes.replace(bytes.size() / 2, 20000, 5000, '\0');
    ASSERT_TRUE(platform::WriteFileAtomically(clip, bytes));
    const CliRun quiet = Run({"make", "--working-folder", work_ / "quiet", clip});
    const CliRun verbose = Run({"make", "-v", "--working-folder", work_ / "verbose", clip});
    EXPECT_FALSE(Has(quiet.err, "ffmpeg: [")) << quiet.err;
    EXPECT_TRUE(Has(verbose.err, "ffmpeg: [")) << verbose.err;
}

// Reading a text file named like a video, FFmpeg guesses a format from its
// few bytes and says so before the program refuses the file.
TEST_F(Cli, FfmpegsGuessAtATextFileIsKeptOffTheTerminal) {
    const std::string notes = work_ / "notes.avi";
    ASSERT_TRUE(platform::WriteFileAtomically(notes, "some notes\n"));
    const CliRun quiet = Run({"make", "--working-folder", work_ / "notes", notes});
    const CliRun verbose = Run({"make", "-v", "--working-folder", work_ / "notes", notes});
    EXPECT_FALSE(Has(quiet.err, " @ 0x")) << quiet.err;
    EXPECT_TRUE(Has(verbose.err, "ffmpeg: [avi @ 0x")) << verbose.err;
}

TEST_F(Cli, BadUsageAndMissingFilesSayWhatIsWrong) {
    std::string accents;  // 17 times "é"
    for (int i = 0; i < 17; ++i)
        accents += "\xc3\xa9";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
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
        {{"make", "--jobs", "0", "x.avi"}, 2, "--jobs takes a number"},
        {{"make", "--audio", "klingon", "x.avi"}, 2, "--audio takes all, first or languages"},
        {{"burn", "--jobs", "2", "x"}, 2, "--jobs does not apply"},
        {{"burn"}, 2, "exactly one DVD folder"},
        {{"make", "--working-folder", work_ / "w", work_ / "missing.avi"}, 1, "no such video file"},
        {{"make", "--working-folder", "", work_ / "missing.avi"}, 2, "--working-folder needs a"},
        // Every problem in one message: the videos and the label of a burn.
        {{"make", "--iso", "--label", "\xff", "--working-folder", work_ / "w",
          work_ / "missing.avi", work_.string(), "/dev/zero"},
         1,
         "no such video file: " + (work_ / "missing.avi").string() + "\n- Cannot use " +
             work_.string() + ": it is a folder"},
        // A working folder that cannot be made is one problem among the others.
        {{"make", "--iso", "--label", "\xff", "--working-folder", "/dev/null/w", "/dev/zero"},
         1,
         "valid UTF-8 text.\n- Can't create working folder! /dev/null/w/: Not a directory."},
        {{"make", "--working-folder", work_ / "w", "--device", "99", work_ / "missing.avi"},
         2,
         "There is no device 99"},
        {{"burn", "--iso", work_}, 1, "is not an authored DVD folder"},
        // 17 letters of two bytes each: the label counts bytes, and says so.
        {{"burn", "--iso", "--label", accents, work_},
         2,
         "takes 34 bytes; a disc's volume label holds at most 32"},
    };
    for (const Case& c : cases) {
        CliRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args) << run.err;
        EXPECT_TRUE(Has(run.err, c.says)) << ::testing::PrintToString(c.args) << run.err;
    }
    // A settings file that cannot be used ends the run with its message, and
    // the run's private temp folder goes with it.
    const std::string options = program_->Path() + "options.data";
    const std::string good = platform::ReadFile(options).value_or("");
    ASSERT_TRUE(platform::WriteFileAtomically(options, "<body><!-- broken --></body>"));
    fs::remove(program_->Path() + "config/quorva/options.data");
    CliRun broken = Run({"make", Clip("c.avi", 1, false)});
    ASSERT_TRUE(platform::WriteFileAtomically(options, good));
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(Has(broken.err, "Parse options error")) << broken.err;
    EXPECT_EQ(TempLeft(), std::vector<std::string>{});

    CliRun help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Has(help.out, "quorva-cli make"));
    EXPECT_EQ(Run({"--version"}).status, 0);
    CliRun devices = Run({"devices"});
    EXPECT_EQ(devices.status, 0);
    EXPECT_TRUE(Has(devices.out,
                    "Disc image file (ISO)  (no drive: writes a disc image file, as --iso does)\n"))
        << devices.out;
}

TEST_F(Cli, AVideoReplacedWhileConvertedFailsNamingIt) {
    const std::string clip = Clip("clip.avi", 60, false);
    const std::string other = work_ / "other.avi";
    ASSERT_EQ(testsupport::RunCommand({"ffmpeg", "-loglevel", "error", "-f", "lavfi", "-i",
                                       "smptebars=size=320x240:rate=25:duration=60", "-c:v",
                                       "mpeg4", other})
                  .status,
              0);
    const fs::path workFolder = work_ / "work";
    pid_t pid = Start({"make", "--working-folder", workFolder, clip});
    bool converting = false;
    for (int i = 0; i < 600 && !converting; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (fs::exists(workFolder))
            for (const auto& entry : fs::directory_iterator(workFolder))
                converting |= entry.path().extension() == ".part" && fs::file_size(entry) > 0;
    }
    ASSERT_TRUE(converting) << "the conversion never started";
    fs::copy_file(other, work_ / ".t");  // as "cp other.avi .t && mv .t clip.avi"
    fs::rename(work_ / ".t", clip);
    const CliRun run = Finish(pid);
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_TRUE(Has(run.err, "Converting " + clip + " failed: the file was changed")) << run.err;
    EXPECT_FALSE(fs::exists(workFolder / "DVD_1"));
}

TEST_F(Cli, APipeWhereAFileIsExpectedIsRefusedNotWaitedOn) {
    const fs::path pipe = work_ / "disc.iso";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const CliRun check = RunWithin({"check", pipe}, 20);
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(Has(check.out + check.err, pipe.string() + " is a pipe")) << check.out;

    const std::string clip = Clip("c.avi", 1, false);
    const fs::path shared = work_ / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(mkfifo((shared / ".quorva-made").c_str(), 0644), 0);
    const CliRun make = RunWithin({"make", "--working-folder", shared, clip}, 120);
    EXPECT_EQ(make.status, 1);
    EXPECT_TRUE(Has(make.err, (shared / ".quorva-made").string() + " is not a regular file"))
        << make.err;
}

TEST_F(Cli, CheckSaysWhatItDidNotCheck) {
    const std::string dvd = PlainPalDvd();
    ASSERT_FALSE(dvd.empty());
    const CliRun check = Run({"check", "--label", "HOLIDAY", dvd});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(check.LastLine(),
              "Disc checked: 1 videos, the menus are laid out otherwise and were not checked");
    EXPECT_TRUE(Has(check.err, "a DVD folder has no volume label")) << check.err;
}

// The disc checker words its lines in English; a German user reads them,
// failed or passed, in German, the names and numbers filled in.
TEST_F(Cli, CheckLinesComeOutInTheUsersLanguage) {
    const fs::path pipe = work_ / "disc.iso";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const std::string dvd = PlainPalDvd();
    ASSERT_FALSE(dvd.empty());
    setenv("LANGUAGE", "de", 1);
    const CliRun refused = RunWithin({"check", pipe}, 20);
    const CliRun checked = Run({"check", dvd});
    unsetenv("LANGUAGE");
    EXPECT_TRUE(Has(refused.out, "FEHLER  Disc-Abbild: " + pipe.string() +
                                     " ist eine Pipe, kein Disc-Abbild und kein Laufwerk"))
        << refused.out;
    EXPECT_TRUE(Has(checked.out, "ok      Menüs: die Startwiedergabe führt zu Titel 1 Kapitel 1: "))
        << checked.out;
}

// What is wrong with a damaged disc reads in the user's language too, the
// player's own complaints in brackets left as they are.
TEST_F(Cli, ADamagedDiscsDetailsComeOutInTheUsersLanguage) {
    const std::string dvd = PlainPalDvd();
    ASSERT_FALSE(dvd.empty());
    fs::remove(fs::path(dvd) / "VIDEO_TS" / "VTS_01_1.VOB");
    setenv("LANGUAGE", "de", 1);
    const CliRun checked = Run({"check", dvd});
    unsetenv("LANGUAGE");
    EXPECT_TRUE(Has(checked.out, "FEHLER  Dateien der Disc: VTS_01_1.VOB (die Videos) fehlt"))
        << checked.out;
    EXPECT_TRUE(Has(checked.out, "nicht zum Titelmenü (")) << checked.out;
}

// A crash of the command line leaves a crash report and names it on the
// terminal, as the program's crash does.
TEST_F(Cli, ACrashLeavesACrashReportAndSaysWhere) {
    const std::string clip = Clip("crash.avi", 30, false);
    const fs::path state = work_ / "state";
    const char* given = std::getenv("XDG_STATE_HOME");
    const std::optional<std::string> saved =
        given ? std::optional<std::string>(given) : std::nullopt;
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    const fs::path workFolder = work_ / "crashwork";
    const pid_t pid = Start({"make", "--working-folder", workFolder, clip});
    saved ? setenv("XDG_STATE_HOME", saved->c_str(), 1) : unsetenv("XDG_STATE_HOME");
    for (int i = 0; i < 300 && !fs::exists(workFolder); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(pid, SIGSEGV);
    const CliRun run = Finish(pid);
    EXPECT_TRUE(fs::exists(state / "quorva" / "crash.dmp")) << run.err;
    EXPECT_TRUE(Has(run.err, "folder " + (state / "quorva").string() + " named \"crash.dmp\""))
        << run.err;
}

TEST_F(Cli, CtrlCKillAndHangUpDuringConversionLeaveNoPartialStream) {
    const std::string longClip = Clip("long.avi", 60, true);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const fs::path workFolder = work_ / ("work" + std::to_string(signal));
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
        kill(pid, signal);
        CliRun run = Finish(pid);
        EXPECT_EQ(run.status, 1) << signal << run.err;
        EXPECT_TRUE(Has(run.err, "aborted")) << run.err;
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(workFolder))
            if (entry.path().filename() != ".quorva-made")
                left.push_back(entry.path());
        EXPECT_TRUE(left.empty()) << signal << ::testing::PrintToString(left);
        EXPECT_EQ(TempLeft(), std::vector<std::string>{}) << signal;
    }
}

namespace {

// Names of partial files below folder, and DVD folders without their
// VIDEO_TS.IFO.
std::vector<std::string> PartialFiles(const fs::path& folder) {
    std::vector<std::string> partial;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (entry.path().extension() == ".part" ||
            (entry.is_directory() && name.rfind("DVD_", 0) == 0 &&
             !fs::exists(entry.path() / "VIDEO_TS" / "VIDEO_TS.IFO")))
            partial.push_back(fs::relative(entry.path(), folder));
    }
    return partial;
}

}  // namespace

// Eight short jobs, each killed with SIGKILL at a random moment and then run
// again to the end, while the windowed program starts and shuts down again
// and again, clearing the same working folder at its exit: every disc plays
// as made and no partial file stays.
TEST_F(Cli, SoakJobsKilledAtRandomAndRunAgainMakeWholeDiscs) {
    // The killed runs' helper programs (dvdauthor, spumux, genisoimage) come
    // back to this process, which waits for them before the next run.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const std::string a = Clip("a.avi", 1, true);
    const std::string b = Clip("b.avi", 0.5, false);
    const fs::path folder = work_ / "soak";
    const std::vector<std::string> args{"make", "--iso", "--working-folder", folder, a, b};
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> moment(0.0, 1.0);
    // The windowed program (start-up and shutdown alone, without a display)
    // with options that clear the jobs' working folder at its exit.
    const fs::path windowed = work_ / "windowed";
    fs::create_directories(windowed / "quorva");
    ASSERT_TRUE(platform::WriteFileAtomically(
        windowed / "quorva" / "options.data",
        "<body WORKING_FOLDER=\"" + folder.string() + "/\" CLEAR_TEMP_FOLDER_WHEN_EXIT=\"1\"/>"));
    int windowedRuns = 0;
    const auto startAndShutDown = [&] {
        const testsupport::CommandResult ran = testsupport::RunCommand(
            {"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
             "XDG_CONFIG_HOME=" + windowed.string(), program_->Path() + "quorva"});
        EXPECT_EQ(ran.status, 0) << ran.output;
        ++windowedRuns;
    };
    // Again and again while the job pid runs, for at most longest.
    const auto whileRunning = [&](pid_t pid, std::chrono::duration<double> longest) {
        const auto end = std::chrono::steady_clock::now() + longest;
        siginfo_t ended{};
        do
            startAndShutDown();
        while (std::chrono::steady_clock::now() < end &&
               waitid(P_PID, pid, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0);
    };
    std::chrono::duration<double> whole = std::chrono::seconds(2);
    for (int round = 0; round < 8; ++round) {
        const pid_t pid = Start(args);
        whileRunning(pid, whole * moment(random));
        kill(pid, SIGKILL);
        Finish(pid);
        while (waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
        }

        const auto started = std::chrono::steady_clock::now();
        const pid_t again = Start(args);
        whileRunning(again, std::chrono::minutes(5));
        CliRun run = Finish(again);
        whole = std::chrono::steady_clock::now() - started;
        startAndShutDown();  // a finished job's disc stays
        ASSERT_EQ(run.status, 0) << "round " << round << "\n" << run.out << run.err;
        const std::string image = run.LastLine();
        const std::string disc = Lsdvd(image);
        EXPECT_NEAR(TitleSeconds(disc), 1.5, 0.3) << "round " << round << " " << disc;
        EXPECT_TRUE(Has(disc, "Chapters: 02")) << disc;
        auto walkOpened = testsupport::DvdWalk::Open(image);
        ASSERT_TRUE(walkOpened) << walkOpened.error();
        auto walk = std::move(*walkOpened);
        EXPECT_EQ(walk->Settle().buttons, 2) << "round " << round;
        EXPECT_EQ(walk->Press(2).buttons, 3) << "round " << round;
        EXPECT_EQ(walk->Press(2).part, 2) << "round " << round;
        walk.reset();
        EXPECT_EQ(PartialFiles(folder), std::vector<std::string>{}) << "round " << round;
        fs::remove(image);
    }
    EXPECT_GT(windowedRuns, 16);
}
