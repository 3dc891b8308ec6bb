// Start-up and shutdown of the application object on a program folder of the
// test's own (copied from the one the build assembles) and a settings folder
// of the test's own for the user.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <thread>
#include <vector>

#include "app/QuorvaApp.h"
#include "app/TestFolder.h"
#include "pipeline/MadeFiles.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "settings/Options.h"

namespace {

namespace fs = std::filesystem;

// Sets environment variables (an empty value unsets) until the end of the scope.
class ScopedEnvironment {
  public:
    explicit ScopedEnvironment(std::map<std::string, std::string> values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name.c_str());
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
        }
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class QuorvaAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program = folder.Path() + "program/";
        user = folder.Path() + "user/";
        fs::create_directories(program);
        for (const char* name : {"p0.data", "p4.data"})
            fs::copy_file(std::string(QUORVA_BIN_DIR) + name, program + name);
        working = folder.Path() + "work/";
        fs::create_directories(working);
        folder.Write("work/converted.vob", "stream");
        folder.Write("work/.quorva-made", "made converted.vob\n");
        NoteMadeFileDone(working, "converted.vob");
        WriteOptions("1");
        app.theProgramFolder = program;
        app.theUserFolder = user;
        app.installCrashHandler = false;
        presenter = std::make_shared<platform::ScriptedPresenter>();
        previous = platform::SetMessagePresenter(presenter);
    }
    void TearDown() override { platform::SetMessagePresenter(previous); }

    // The shipped options; the user's own are made from them at the next start.
    void Ship(const std::string& content) {
        folder.Write("program/options.data", content);
        fs::remove(user + "options.data");
    }
    void WriteOptions(const std::string& clear, const std::string& workingFolder = {}) {
        Ship("<body WORKING_FOLDER=\"" + (workingFolder.empty() ? working : workingFolder) +
             "\" CLEAR_TEMP_FOLDER_WHEN_EXIT=\"" + clear +
             "\" TARGET_DVD_TYPE=\"0\" VIDEO_ASPECT_RATIO=\"0\" "
             "VIDEO_QUALITY_MODE=\"1\" BACKGROUND_PICTURE_OF_TITLE_MENU=\"/b/t.jpg\" "
             "BACKGROUND_PICTURE_OF_ROOT_MENU=\"/b/r.jpg\" DVD_DISC_VOLUME=\"V\" "
             "RECENT_OPEN=\"/home\" FILENAME_SN=\"1\"/>");
    }
    std::vector<std::string> Keys(const std::string& path) {
        CXMLAccess node;
        EXPECT_TRUE(LoadXMLNode(path, node, program + "p4.data"));
        std::vector<std::string> names;
        for (const auto& [name, value] : node.attributes)
            names.push_back(name);
        return names;
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& box : presenter->Messages())
            texts.push_back(box.text);
        return texts;
    }

    TestFolder folder;
    std::string program;
    std::string user;
    std::string working;
    CQuorvaApp app;
    std::shared_ptr<platform::ScriptedPresenter> presenter;
    std::shared_ptr<platform::MessagePresenter> previous;
};

TEST_F(QuorvaAppTest, StartupRunsItsStepsInOrderAndReturnsFalse) {
    std::vector<std::string> steps;
    auto step = [&](const char* name) {
        return [&steps, name](CQuorvaApp& a) {
            steps.push_back(std::string(name) + (a.theOptions.attributes.empty() ? "" : "+"));
        };
    };
    app.hooks.commonControls = step("controls");
    app.hooks.singleInstance = step("single");
    app.hooks.startSplash = step("splash");
    app.hooks.createBurner = step("burner");
    app.hooks.startDeviceDiscovery = step("discovery");
    app.hooks.skin = [&](CQuorvaApp& a) {
        step("skin")(a);
        return true;
    };
    app.hooks.waitForSplash = step("wait");
    app.hooks.runMainWindow = step("main");
    EXPECT_FALSE(app.InitInstance());
    // '+' marks the steps that ran with the options loaded.
    EXPECT_EQ(steps, (std::vector<std::string>{"controls", "single", "splash", "burner",
                                               "discovery", "skin+", "wait+", "main+"}));
    EXPECT_EQ(app.theProductSettings.GetValue(keys::PRODUCT_NAME), "Quorva");
    EXPECT_EQ(app.theOptions.GetValue(keys::WORKING_FOLDER), working);
    EXPECT_TRUE(app.SettingsLoaded());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QuorvaAppTest, FailedSkinStopsStartup) {
    bool mainRan = false;
    app.hooks.skin = [](CQuorvaApp&) { return false; };
    app.hooks.runMainWindow = [&](CQuorvaApp&) { mainRan = true; };
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(mainRan);
}

TEST_F(QuorvaAppTest, ShutdownSavesChangesInLoadedOrderWithNewKeysLast) {
    const auto before = Keys(program + "options.data");
    ASSERT_FALSE(app.InitInstance());
    app.theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, "/pics/new <title> & é.jpg");
    app.theOptions.SetIntValue(keys::FILENAME_SN, 12);
    app.theOptions.SetValue("ADDED_LATER", "x");
    ASSERT_TRUE(platform::MakeTempFile("~qor"));
    EXPECT_EQ(app.ExitInstance(), 0);
    // Temp folder gone, working folder kept ("1").
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
    EXPECT_TRUE(fs::exists(working + "converted.vob"));

    auto after = Keys(user + "options.data");
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), "ADDED_LATER");
    after.pop_back();
    EXPECT_EQ(after, before);
    CXMLAccess saved;
    ASSERT_TRUE(LoadXMLNode(user + "options.data", saved, program + "p4.data"));
    EXPECT_EQ(saved.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), "/pics/new <title> & é.jpg");
    EXPECT_EQ(saved.GetValue(keys::FILENAME_SN), "12");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QuorvaAppTest, WorkingFolderIsClearedOnlyForExactlyZero) {
    for (const char* keep : {"1", " 0", "00", "0 ", "no", ""}) {
        WriteOptions(keep);
        CQuorvaApp other;
        other.theProgramFolder = program;
        other.theUserFolder = user;
        other.installCrashHandler = false;
        other.InitInstance();
        EXPECT_EQ(other.ExitInstance(), 0);
        EXPECT_TRUE(fs::exists(working + "converted.vob")) << "'" << keep << "'";
    }
    WriteOptions("0");
    app.InitInstance();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(fs::exists(working));
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
}

TEST_F(QuorvaAppTest, ClearingRemovesOnlyWhatTheProgramMadeAndKeepsFinishedDiscs) {
    // The user's own files and a finished disc beside the program's streams.
    fs::create_directories(working + "notes");
    fs::create_directories(working + "DVD_1/VIDEO_TS");
    fs::create_directories(working + "DVD_2/VIDEO_TS");
    for (const char* name :
         {"holiday.avi", "notes/list.txt", "DVD_1.iso", "DVD_2.iso", "DVD_1/VIDEO_TS/VIDEO_TS.IFO",
          "DVD_2/VIDEO_TS/VIDEO_TS.IFO", "3_a.vob", "3_a.vob.src", "4_b.vob.part.part",
          "5_c.vob.part", "2_w.vob"})
        folder.Write("work/" + std::string(name), "x");
    for (const char* name : {"3_a.vob", "3_a.vob.src", "DVD_1", "DVD_2", "2_w.vob"})
        ASSERT_TRUE(NoteMadeFileDone(working, name));
    // A stopped run listed 1_vtest.vob but never made it; 2_w.vob was made,
    // then replaced: both are the user's files now.
    folder.Write("work/1_vtest.vob", "the user's own");
    ASSERT_TRUE(platform::WriteFileAtomically(working + "2_w.vob", "the user's own"));
    fs::create_directories(folder.Path() + "outside");
    folder.Write("outside/precious.txt", "x");
    folder.Write("work/.quorva-made",
                 platform::ReadFile(working + ".quorva-made").value() +
                     "made converted.vob\nmade 3_a.vob\nmade 3_a.vob.src\nmade 5_c.vob.part\n"
                     "made 1_vtest.vob\nmade 2_w.vob\n"
                     "made DVD_1\nmade DVD_2\nkept DVD_1\nmade ../outside\nmade /etc\n"
                     "made .quorva-made\nmade holid");  // a line cut short by a crash
    WriteOptions("0");
    app.InitInstance();
    EXPECT_EQ(app.ExitInstance(), 0);

    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(working))
        left.push_back(fs::relative(entry.path(), working).string());
    std::sort(left.begin(), left.end());
    // An unlisted partial stream (an older run's name) stays as the user's.
    EXPECT_EQ(left, (std::vector<std::string>{"1_vtest.vob", "2_w.vob", "4_b.vob.part.part",
                                              "DVD_1", "DVD_1.iso", "DVD_1/VIDEO_TS",
                                              "DVD_1/VIDEO_TS/VIDEO_TS.IFO", "DVD_2.iso",
                                              "holiday.avi", "notes", "notes/list.txt"}));
    EXPECT_TRUE(fs::exists(folder.Path() + "outside/precious.txt"));
}

TEST_F(QuorvaAppTest, ClearingNeverCrossesIntoAnotherFileSystem) {
    // A file system mounted on a made folder, and one inside a made folder.
    fs::create_directories(working + "DVD_3/VIDEO_TS");
    fs::create_directories(working + "DVD_4");
    struct Mounted {
        std::string path;
        bool held = mount("none", path.c_str(), "tmpfs", 0, nullptr) == 0;
        ~Mounted() {
            if (held)
                umount2(path.c_str(), MNT_DETACH);
        }
    } inner{working + "DVD_3/VIDEO_TS"}, top{working + "DVD_4"};
    if (!inner.held || !top.held)
        GTEST_SKIP() << "mounting a file system needs root";
    folder.Write("work/DVD_3/VIDEO_TS/VIDEO_TS.IFO", "x");
    folder.Write("work/DVD_4/precious.txt", "x");
    ASSERT_TRUE(NoteMadeFiles(working, {"DVD_3", "DVD_4"}));
    ASSERT_TRUE(NoteMadeFileDone(working, "DVD_3") && NoteMadeFileDone(working, "DVD_4"));
    WriteOptions("0");
    app.InitInstance();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(fs::exists(working + "DVD_3/VIDEO_TS/VIDEO_TS.IFO"));
    EXPECT_TRUE(fs::exists(working + "DVD_4/precious.txt"));
}

TEST_F(QuorvaAppTest, ClearingLeavesAFolderARunningJobHolds) {
    const platform::FileLock job = HoldWorkingFolder(working);  // as quorva-cli make does
    ASSERT_TRUE(job.Held());
    WriteOptions("0");
    app.InitInstance();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(fs::exists(working + "converted.vob"));
}

TEST_F(QuorvaAppTest, ShutdownNeverClearsHomeRootOrProgramFolder) {
    EXPECT_FALSE(IsClearableWorkingFolder("/", program));
    EXPECT_FALSE(IsClearableWorkingFolder("//", program));
    EXPECT_FALSE(IsClearableWorkingFolder(platform::HomeFolder() + "/", program));
    EXPECT_FALSE(IsClearableWorkingFolder(platform::HomeFolder() + "/../", program));
    EXPECT_FALSE(IsClearableWorkingFolder(program, program));
    EXPECT_FALSE(IsClearableWorkingFolder(folder.Path(), program));  // holds the program
    EXPECT_FALSE(IsClearableWorkingFolder("", program));
    EXPECT_FALSE(IsClearableWorkingFolder("relative/work/", program));
    EXPECT_TRUE(IsClearableWorkingFolder(working, program));
    EXPECT_TRUE(IsClearableWorkingFolder(folder.Path() + "not-made-yet/", program));

    // The program folder itself as working folder, with "0": it stays.
    WriteOptions("0", program);
    app.InitInstance();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(fs::exists(program + "p0.data"));
}

TEST_F(QuorvaAppTest, TempFolderThatCannotBeRemovedStopsShutdown) {
    // Something that is not a folder stands where the temp folder is.
    folder.Write("sys/Velmora-" + std::to_string(getuid()), "blocker");
    EXPECT_NE(app.ExitInstance(), 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Can't remove temp folder!"});
}

TEST_F(QuorvaAppTest, ShutdownWithoutLoadedSettingsOnlyClearsTheTempFolder) {
    ASSERT_TRUE(platform::MakeTempFile("~qor"));
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::exists(working + "converted.vob"));
}

TEST_F(QuorvaAppTest, BadSettingsFilesEndTheRunWithTheirMessages) {
    app.hooks.runMainWindow = [](CQuorvaApp&) { std::abort(); };
    Ship("<body><!-- edited by hand --></body>");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Error: Parse options error, please re-install!");
    Ship("");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1), "Parse options error");
    fs::remove(user + "options.data");
    fs::remove(program + "options.data");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Can't read config file<" + program + "options.data> error, please re-install!!");
    folder.Write("program/p0.data", "<body PRODUCT_NAME=\"Quorva\"/>");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1), "Error: OPTIONS_FILENAME\n");
    folder.Write("program/p0.data", "not xml");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Error: Parse p0.data error, please re-install!");
}

// Options that can no longer be written: running numbers are still taken,
// and shutdown says why it could not save them and goes on.
TEST_F(QuorvaAppTest, OptionsThatCannotBeWrittenAreReportedAndShutdownGoesOn) {
    WriteOptions("0");
    fs::create_directories(program + "conf");
    fs::rename(program + "options.data", program + "conf/options.data");
    folder.Write("program/p0.data",
                 "<body PRODUCT_NAME=\"Quorva\" OPTIONS_FILENAME=\"conf/options.data\" "
                 "LOAD_SKIN=\"no\" SKIN_FILENAME=\"s\" URL_PRODUCT_HOME=\"https://x/\"/>");
    app.shareRunningNumber = true;
    app.InitInstance();
    app.theOptions.SetValue(keys::DVD_DISC_VOLUME, "Changed");
    EXPECT_EQ(app.TakeRunningNumber(), 1);
    // The options folder becomes unwritable: its place is taken by a file.
    fs::rename(user + "conf", user + "conf-moved");
    folder.Write("user/conf", "x");
    EXPECT_EQ(app.TakeRunningNumber(), 2);
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{
                  "CXMLAccess::SaveXMLNode options failed!\nCan't write config file<" + user +
                  "conf/options.data> error, please re-install!\nThe file "
                  "cannot be written in its folder."});
    // Shutdown went on: the temp folder and the program's streams are gone.
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
    EXPECT_FALSE(fs::exists(working + "converted.vob"));
    CXMLAccess kept;
    ASSERT_TRUE(LoadXMLNode(user + "conf-moved/options.data", kept, ""));
    EXPECT_EQ(kept.GetValue(keys::DVD_DISC_VOLUME), "V");
    EXPECT_EQ(kept.GetValue(keys::FILENAME_SN), "2");
}

TEST_F(QuorvaAppTest, OptionMissingEndsStartUpNamingIt) {
    Ship("<body WORKING_FOLDER=\"" + working + "\" A=\"1\"/>");
    app.hooks.runMainWindow = [](CQuorvaApp&) { std::abort(); };
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Error: CLEAR_TEMP_FOLDER_WHEN_EXIT\n\nThe setting CLEAR_TEMP_FOLDER_WHEN_EXIT is "
                "missing in " +
                    user + "options.data.");
}

TEST_F(QuorvaAppTest, UsersOptionsAreMadeFromTheShippedOnesAndTakeNewShippedKeys) {
    const std::string shipped = TestFolder::Read(program + "options.data");
    app.InitInstance();
    ASSERT_TRUE(fs::exists(user + "options.data"));
    app.theOptions.SetValue(keys::DVD_DISC_VOLUME, "Mine");
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(TestFolder::Read(program + "options.data"), shipped);

    // A newer program ships a new key and other values: the user's stay.
    folder.Write("program/options.data",
                 shipped.substr(0, shipped.rfind("/>")) + " STRETCH_TO_FILL=\"1\" />");
    folder.Write("program/options.data",
                 std::regex_replace(TestFolder::Read(program + "options.data"), std::regex("\"V\""),
                                    "\"New\""));
    CQuorvaApp next;
    next.theProgramFolder = program;
    next.theUserFolder = user;
    next.installCrashHandler = false;
    next.InitInstance();
    EXPECT_EQ(next.theOptions.GetValue(keys::DVD_DISC_VOLUME), "Mine");
    EXPECT_EQ(next.theOptions.GetValue("STRETCH_TO_FILL"), "1");
    EXPECT_EQ(next.ExitInstance(), 0);
    EXPECT_EQ(Keys(user + "options.data").back(), "STRETCH_TO_FILL");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QuorvaAppTest, NewOptionsTakeTheTvStandardOfTheUsersCountry) {
    fs::copy_file(std::string(QUORVA_BIN_DIR) + "quorva", program + "quorva");
    // The program without a display, as a user whose locale is given.
    auto run = [&](const std::string& config, const std::string& locale) {
        const std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
            "-u LC_NUMERIC -u LANG LC_ALL=" +
            locale + " XDG_CONFIG_HOME=" + folder.Path() + config + " " + program +
            "quorva 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        CXMLAccess options;
        EXPECT_TRUE(LoadXMLNode(folder.Path() + config + "/quorva/options.data", options,
                                program + "p4.data"));
        return options.GetValue(keys::TARGET_DVD_TYPE);
    };
    EXPECT_EQ(run("german", "de_DE.UTF-8"), "1");     // PAL
    EXPECT_EQ(run("brazilian", "pt_BR.UTF-8"), "0");  // PAL-M plays NTSC discs
    EXPECT_EQ(run("plain", "C"), "0");                // no country: the shipped NTSC
    // A file that is there keeps its choice in another country.
    EXPECT_EQ(run("german", "en_US.UTF-8"), "1");
}

TEST_F(QuorvaAppTest, EmptyShippedOptionsNameThisUsersFolders) {
    const std::string home = folder.Path() + "home";
    fs::create_directories(home + "/.config");
    folder.Write("home/.config/user-dirs.dirs", "XDG_VIDEOS_DIR=\"$HOME/My Videos\"\n");
    ScopedEnvironment env({{"HOME", home}, {"XDG_CONFIG_HOME", ""}});
    Ship(
        "<body WORKING_FOLDER=\"\" CLEAR_TEMP_FOLDER_WHEN_EXIT=\"0\" "
        "BACKGROUND_PICTURE_OF_TITLE_MENU=\"\" BACKGROUND_PICTURE_OF_ROOT_MENU=\"\" "
        "RECENT_OPEN=\"\" TARGET_DVD_TYPE=\"0\" VIDEO_ASPECT_RATIO=\"0\" "
        "VIDEO_QUALITY_MODE=\"1\" DVD_DISC_VOLUME=\"V\" FILENAME_SN=\"1\"/>");
    app.theUserFolder.clear();  // found from the environment
    app.InitInstance();
    EXPECT_EQ(app.theUserFolder, home + "/.config/quorva/");
    EXPECT_EQ(app.theOptions.GetValue(keys::WORKING_FOLDER), home + "/My Videos/Quorva/");
    EXPECT_EQ(app.theOptions.GetValue(keys::RECENT_OPEN), home);
    EXPECT_EQ(app.theOptions.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU),
              program + "Background_root.jpg");
    EXPECT_FALSE(fs::exists(home + "/My Videos"));  // made when a job first needs it
    app.theOptions.SetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU, "/pics/root.jpg");
    EXPECT_EQ(app.ExitInstance(), 0);
    CXMLAccess saved;
    ASSERT_TRUE(LoadXMLNode(home + "/.config/quorva/options.data", saved, ""));
    EXPECT_EQ(saved.GetValue(keys::WORKING_FOLDER), "");
    EXPECT_EQ(saved.GetValue(keys::RECENT_OPEN), "");
    EXPECT_EQ(saved.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), "");
    EXPECT_EQ(saved.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU), "/pics/root.jpg");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QuorvaAppTest, ProgramFolderIsFoundFromTheExecutable) {
    // Build tree: the executable's folder holds the settings.
    EXPECT_EQ(ProgramFolderOf(program), program);
    // Installed: prefix/bin/quorva uses prefix/lib/quorva/.
    fs::create_directories(folder.Path() + "usr/bin");
    fs::create_directories(folder.Path() + "usr/lib/quorva");
    EXPECT_EQ(ProgramFolderOf(folder.Path() + "usr/bin/"), folder.Path() + "usr/lib/quorva/");
    EXPECT_EQ(ProgramFolderOf(folder.Path() + "elsewhere/"), folder.Path() + "elsewhere/");
}

TEST_F(QuorvaAppTest, CrashReportGoesToTheUsersStateFolderAndIsNamed) {
    const std::string state = folder.Path() + "state/";
    const std::string dump = state + "quorva/crash.dmp";
    app.theProgramFolder = QUORVA_BIN_DIR;  // with the crash reporter
    app.installCrashHandler = true;
    app.hooks.runMainWindow = [](CQuorvaApp&) { raise(SIGSEGV); };
    EXPECT_EXIT(
        {
            setenv("XDG_STATE_HOME", state.c_str(), 1);
            app.InitInstance();
        },
        ::testing::KilledBySignal(SIGSEGV),
        "Product crash: .* in the folder " + state + "quorva named \"crash.dmp\"");
    EXPECT_NE(TestFolder::Read(dump).find("(SIGSEGV)"), std::string::npos);
}

// The program itself, run from a copy of the assembled program folder.
TEST_F(QuorvaAppTest, ProgramStartsAndShutsDownHeadless) {
    fs::copy_file(std::string(QUORVA_BIN_DIR) + "quorva", program + "quorva");
    WriteOptions("0");
    // Without a display the program says so and runs start-up and shutdown alone.
    const std::string headless =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
        "XDG_CONFIG_HOME=" +
        folder.Path() + "config ";
    const int status =
        std::system((headless + program + "quorva 2>" + folder.Path() + "stderr").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << TestFolder::Read(folder.Path() + "stderr");
    const std::string said = TestFolder::Read(folder.Path() + "stderr");
    EXPECT_EQ(said.rfind("quorva: the window needs a display", 0), 0u) << said;
    EXPECT_NE(said.find("quorva-cli"), std::string::npos);
    EXPECT_EQ(said.find("Error"), std::string::npos) << said;
    EXPECT_FALSE(fs::exists(working));
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
    EXPECT_EQ(Keys(folder.Path() + "config/quorva/options.data").front(), keys::WORKING_FOLDER);

    fs::remove(program + "p0.data");
    const int failed =
        std::system((headless + program + "quorva 2>" + folder.Path() + "stderr").c_str());
    ASSERT_TRUE(WIFEXITED(failed));
    EXPECT_NE(WEXITSTATUS(failed), 0);
    EXPECT_NE(TestFolder::Read(folder.Path() + "stderr").find("Can't read config file<"),
              std::string::npos);
}

TEST_F(QuorvaAppTest, StopSignalsEndTheWindowedProgramThroughItsShutdown) {
    // The whole program folder: the windows need their pictures.
    fs::copy(QUORVA_BIN_DIR, program,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    WriteOptions("1");
    const std::string runtime = folder.Path() + "run";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    for (int signal : {SIGTERM, SIGHUP}) {
        fs::create_directories(folder.AppTemp());
        folder.Write("sys/Velmora-" + std::to_string(getuid()) + "/~qor1.tmp", "temp");
        // This user's options lack a key that shutdown adds when it saves them.
        const std::string options = folder.Path() + "config/quorva/options.data";
        fs::create_directories(folder.Path() + "config/quorva");
        folder.Write("config/quorva/options.data",
                     "<body WORKING_FOLDER=\"" + working +
                         "\" CLEAR_TEMP_FOLDER_WHEN_EXIT=\"1\" FILENAME_SN=\"3\"/>");

        const std::string command = "QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + runtime +
                                    " XDG_CONFIG_HOME=" + folder.Path() + "config exec " + program +
                                    "quorva 2>" + folder.Path() + "stderr";
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        // The single-instance lock shows that the windows are up.
        bool up = false;
        for (int i = 0; i < 400 && !up; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            for (const auto& entry : fs::directory_iterator(runtime))
                up |= entry.path().extension() == ".lock";
        }
        EXPECT_TRUE(up) << TestFolder::Read(folder.Path() + "stderr");
        kill(pid, signal);
        int status = 0;
        pid_t ended = 0;
        for (int i = 0; i < 300 && ended == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ended = waitpid(pid, &status, WNOHANG);
        }
        if (ended == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            FAIL() << "signal " << signal << " did not end the program";
        }
        ASSERT_TRUE(WIFEXITED(status)) << "signal " << signal << " ended the program at once";
        EXPECT_EQ(WEXITSTATUS(status), 0) << TestFolder::Read(folder.Path() + "stderr");
        EXPECT_FALSE(fs::exists(folder.AppTemp()));
        // (Reading them back makes a temp folder of this process.)
        const std::vector<std::string> saved = Keys(options);
        EXPECT_NE(std::find(saved.begin(), saved.end(), keys::RECENT_OPEN), saved.end())
            << "the options were not saved";
        EXPECT_TRUE(fs::exists(working + "converted.vob"));
    }
}

}  // namespace

namespace {

// A working folder on a drive that is not mounted serves as the default for
// the run and stays the user's choice in the options file.
TEST_F(QuorvaAppTest, AnUnusableStoredWorkingFolderIsKeptForTheNextRun) {
    const std::string unmounted = folder.Path() + "unmounted/dvd/";
    WriteOptions("1", unmounted);
    app.InitInstance();
    EXPECT_NE(app.theOptions.GetValue(keys::WORKING_FOLDER), unmounted);
    EXPECT_EQ(app.ExitInstance(), 0);
    CXMLAccess saved;
    ASSERT_TRUE(LoadXMLNode(user + "options.data", saved, ""));
    EXPECT_EQ(saved.GetValue(keys::WORKING_FOLDER), unmounted);
}

}  // namespace
