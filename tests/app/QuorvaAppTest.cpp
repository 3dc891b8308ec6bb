// Start-up and shutdown of the application object on a program folder of the
// test's own (copied from the one the build assembles).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/FileSystem.h"
#include "app/QuorvaApp.h"
#include "app/TestFolder.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "settings/Options.h"

namespace {

namespace fs = std::filesystem;

class QuorvaAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program = folder.Path() + "program/";
        fs::create_directories(program);
        for (const char* name : {"p0.data", "p4.data"})
            fs::copy_file(std::string(QUORVA_BIN_DIR) + name, program + name);
        working = folder.Path() + "work/";
        fs::create_directories(working);
        folder.Write("work/converted.vob", "stream");
        WriteOptions("1");
        app.theProgramFolder = program;
        app.installCrashHandler = false;
        presenter = std::make_shared<platform::ScriptedPresenter>();
        previous = platform::SetMessagePresenter(presenter);
    }
    void TearDown() override { platform::SetMessagePresenter(previous); }

    void WriteOptions(const std::string& clear, const std::string& workingFolder = {}) {
        folder.Write("program/options.data",
                     "<body WORKING_FOLDER=\"" + (workingFolder.empty() ? working : workingFolder) +
                         "\" CLEAR_TEMP_FOLDER_WHEN_EXIT=\"" + clear +
                         "\" TARGET_DVD_TYPE=\"0\" VIDEO_ASPECT_RATIO=\"0\" "
                         "VIDEO_QUALITY_MODE=\"1\" BACKGROUND_PICTURE_OF_TITLE_MENU=\"/b/t.jpg\" "
                         "BACKGROUND_PICTURE_OF_ROOT_MENU=\"/b/r.jpg\" DVD_DISC_VOLUME=\"V\" "
                         "RECENT_OPEN=\"/home\" FILENAME_SN=\"1\"/>");
    }
    std::vector<std::string> Keys(const std::string& path) {
        CXMLAccess node;
        EXPECT_EQ(LoadXMLNode(path, node, program + "p4.data"), XML_OK);
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
    CreateTempFile("~qor");
    EXPECT_EQ(app.ExitInstance(), 0);
    // Temp folder gone, working folder kept ("1").
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
    EXPECT_TRUE(fs::exists(working + "converted.vob"));

    auto after = Keys(program + "options.data");
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), "ADDED_LATER");
    after.pop_back();
    EXPECT_EQ(after, before);
    CXMLAccess saved;
    ASSERT_EQ(LoadXMLNode(program + "options.data", saved, program + "p4.data"), XML_OK);
    EXPECT_EQ(saved.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), "/pics/new <title> & é.jpg");
    EXPECT_EQ(saved.GetValue(keys::FILENAME_SN), "12");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QuorvaAppTest, WorkingFolderIsClearedOnlyForExactlyZero) {
    for (const char* keep : {"1", " 0", "00", "0 ", "no", ""}) {
        WriteOptions(keep);
        CQuorvaApp other;
        other.theProgramFolder = program;
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
    CreateTempFile("~qor");
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(fs::exists(folder.AppTemp()));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::exists(working + "converted.vob"));
}

TEST_F(QuorvaAppTest, BadSettingsFilesEndTheRunWithTheirMessages) {
    app.hooks.runMainWindow = [](CQuorvaApp&) { std::abort(); };
    folder.Write("program/options.data", "<body><!-- edited by hand --></body>");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Error: Parse options error, please re-install!");
    folder.Write("program/options.data", "");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1), "Parse options error");
    fs::remove(program + "options.data");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Can't read config file<" + program + "options.data> error, please re-install!!");
    folder.Write("program/p0.data", "<body PRODUCT_NAME=\"Quorva\"/>");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1), "Error: OPTIONS_FILENAME\n");
    folder.Write("program/p0.data", "not xml");
    EXPECT_EXIT(app.InitInstance(), ::testing::ExitedWithCode(1),
                "Error: Parse p0.data error, please re-install!");
}

TEST_F(QuorvaAppTest, OptionsThatCannotBeWrittenEndShutdownLeavingTheFileIntact) {
    fs::create_directories(program + "conf");
    fs::rename(program + "options.data", program + "conf/options.data");
    folder.Write("program/p0.data",
                 "<body PRODUCT_NAME=\"Quorva\" OPTIONS_FILENAME=\"conf/options.data\" "
                 "LOAD_SKIN=\"no\" SKIN_FILENAME=\"s\" URL_PRODUCT_HOME=\"https://x/\"/>");
    app.InitInstance();
    app.theOptions.SetValue(keys::DVD_DISC_VOLUME, "Changed");
    // The options folder becomes unwritable: its place is taken by a file.
    fs::rename(program + "conf", program + "conf-moved");
    folder.Write("program/conf", "x");
    EXPECT_EXIT(app.ExitInstance(), ::testing::ExitedWithCode(1),
                "Can't write config file<" + program + "conf/options.data> error");
    CXMLAccess kept;
    ASSERT_EQ(LoadXMLNode(program + "conf-moved/options.data", kept, ""), XML_OK);
    EXPECT_EQ(kept.GetValue(keys::DVD_DISC_VOLUME), "V");
}

TEST_F(QuorvaAppTest, OptionMissingAtShutdownEndsTheRunAfterSaving) {
    folder.Write("program/options.data", "<body WORKING_FOLDER=\"" + working + "\" A=\"1\"/>");
    app.InitInstance();
    app.theOptions.SetValue("A", "2");
    EXPECT_EXIT(app.ExitInstance(), ::testing::ExitedWithCode(1),
                "Error: CLEAR_TEMP_FOLDER_WHEN_EXIT\n");
    CXMLAccess saved;
    ASSERT_EQ(LoadXMLNode(program + "options.data", saved, ""), XML_OK);
    EXPECT_EQ(saved.GetValue("A"), "2");
    EXPECT_TRUE(fs::exists(working + "converted.vob"));
}

// The program itself, run from a copy of the assembled program folder.
TEST_F(QuorvaAppTest, ProgramStartsAndShutsDownHeadless) {
    fs::copy_file(std::string(QUORVA_BIN_DIR) + "quorva", program + "quorva");
    WriteOptions("0");
    // Without a display the program says so and runs start-up and shutdown alone.
    const std::string headless = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
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
    EXPECT_EQ(Keys(program + "options.data").front(), keys::WORKING_FOLDER);

    fs::remove(program + "p0.data");
    const int failed =
        std::system((headless + program + "quorva 2>" + folder.Path() + "stderr").c_str());
    ASSERT_TRUE(WIFEXITED(failed));
    EXPECT_NE(WEXITSTATUS(failed), 0);
    EXPECT_NE(TestFolder::Read(folder.Path() + "stderr").find("Can't read config file<"),
              std::string::npos);
}

}  // namespace
