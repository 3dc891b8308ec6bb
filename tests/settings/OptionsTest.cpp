// Keys, built-in tables, integer reads and the installed settings files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <set>

#include "app/TestFolder.h"
#include "platform/Paths.h"
#include "settings/Options.h"
#include "settings/UserOptions.h"

namespace {

TEST(OptionsTest, IntegerReadsTakeTheLeadingDecimalNumber) {
    EXPECT_EQ(ParseIntOption("3"), 3);
    EXPECT_EQ(ParseIntOption("-1"), -1);
    EXPECT_EQ(ParseIntOption(" 42abc"), 42);
    EXPECT_EQ(ParseIntOption("PAL"), 0);
    EXPECT_EQ(ParseIntOption(""), 0);
    EXPECT_EQ(ParseIntOption("0x10"), 0);
    EXPECT_EQ(ParseIntOption("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseIntOption("-99999999999999999999"), INT_MIN);
    CXMLAccess node("body", "");
    node.SetValue(keys::TARGET_DVD_TYPE, "NTSC");
    node.SetIntValue(keys::FILENAME_SN, 17);
    EXPECT_EQ(ReadIntOption(node, keys::TARGET_DVD_TYPE), 0);
    EXPECT_EQ(ReadIntOption(node, keys::FILENAME_SN), 17);
}

// Loading checks the keys the program reads; a node without one (built in
// memory) reads it as 0, and the program goes on.
TEST(OptionsTest, MissingIntegerKeyReadsAsZero) {
    CXMLAccess node("body", "");
    EXPECT_EQ(ReadIntOption(node, keys::VIDEO_QUALITY_MODE), 0);
    // A key newer than the options file takes its default; a stored one counts.
    EXPECT_EQ(ReadNewIntOption(node, keys::STRETCH_TO_FILL, 0), 0);
    node.SetIntValue(keys::STRETCH_TO_FILL, 1);
    EXPECT_EQ(ReadNewIntOption(node, keys::STRETCH_TO_FILL, 0), 1);
}

TEST(OptionsTest, TablesHoldTheirRows) {
    EXPECT_STREQ(DiscTypeAt(0).name, "DVD-5");
    EXPECT_EQ(DiscTypeAt(0).limitMB, 4300);
    EXPECT_EQ(DiscTypeAt(1).gaugeEndMB, 11581);
    EXPECT_EQ(QualityAt(0).videoKbps, 9800);
    EXPECT_EQ(QualityAt(4).videoKbps, 1700);
    EXPECT_STREQ(QualityAt(2).label, "Good (3.3 Mb/S), normal speed");
    EXPECT_EQ(TvStandardAt(0).fpsNum, 30000);
    EXPECT_EQ(TvStandardAt(0).fpsDen, 1001);
    EXPECT_EQ(TvStandardAt(0).height, 480);
    EXPECT_EQ(TvStandardAt(1).height, 576);
    EXPECT_EQ(AspectRatioAt(0).num * 9, AspectRatioAt(0).den * 16);
    EXPECT_EQ(AspectRatioAt(1).num, 4);
}

TEST(OptionsTest, IndicesOutsideATableAreClamped) {
    EXPECT_EQ(&QualityAt(5), &QualityTable.back());
    EXPECT_EQ(&QualityAt(-1), &QualityTable.front());
    EXPECT_EQ(&QualityAt(INT_MAX), &QualityTable.back());
    EXPECT_EQ(&DiscTypeAt(7), &DiscTypeTable.back());
    EXPECT_EQ(&TvStandardAt(-5), &TvStandardTable.front());
    EXPECT_EQ(&AspectRatioAt(2), &AspectRatioTable.back());
}

// The program folder assembled by the build carries every key, with values
// that hold for every user: no path of the machine that built it.
TEST(OptionsTest, InstalledFilesHoldEveryKey) {
    TestFolder folder;
    const std::string bin = QUORVA_BIN_DIR;
    CXMLAccess product;
    ASSERT_TRUE(LoadXMLNode(bin + "p0.data", product, bin + "p4.data"));
    for (const char* key : {keys::PRODUCT_NAME, keys::OPTIONS_FILENAME, keys::LOAD_SKIN,
                            keys::SKIN_FILENAME, keys::URL_PRODUCT_HOME})
        EXPECT_FALSE(product.GetValue(key, "\x01").starts_with("\x01")) << key;
    EXPECT_EQ(product.GetValue(keys::PRODUCT_NAME), "Quorva");
    EXPECT_EQ(product.GetValue(keys::LOAD_SKIN), "no");

    CXMLAccess options;
    ASSERT_TRUE(
        LoadXMLNode(bin + product.GetValue(keys::OPTIONS_FILENAME), options, bin + "p4.data"));
    std::set<std::string> present;
    for (const auto& [name, value] : options.attributes)
        present.insert(name);
    for (const char* key :
         {keys::WORKING_FOLDER, keys::CLEAR_TEMP_FOLDER_WHEN_EXIT, keys::TARGET_DVD_TYPE,
          keys::VIDEO_ASPECT_RATIO, keys::VIDEO_QUALITY_MODE,
          keys::BACKGROUND_PICTURE_OF_TITLE_MENU, keys::BACKGROUND_PICTURE_OF_ROOT_MENU,
          keys::DVD_DISC_VOLUME, keys::RECENT_OPEN, keys::FILENAME_SN, keys::STRETCH_TO_FILL,
          keys::LAST_PROJECT_FOLDER})
        EXPECT_TRUE(present.count(key)) << key;
    for (const CXMLAccess* node : {&product, &options})
        for (const auto& [name, value] : node->attributes)
            EXPECT_FALSE(value.starts_with('/')) << name << "=" << value;
    EXPECT_EQ(options.GetValue(keys::DVD_DISC_VOLUME), "QorDVDVolume");

    // Loaded for a user, the empty ones name that user's folders and ours.
    const FilledOptions filled =
        FillDefaultOptions(options, DefaultOptions(bin, "/home/ann", "/home/ann/Films/"));
    EXPECT_EQ(filled.size(), 5u);
    EXPECT_EQ(options.GetValue(keys::WORKING_FOLDER), "/home/ann/Films/Quorva/");
    EXPECT_EQ(options.GetValue(keys::RECENT_OPEN), "/home/ann");
    EXPECT_EQ(options.GetValue(keys::LAST_PROJECT_FOLDER), "/home/ann");
    EXPECT_EQ(options.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), bin + "Background.jpg");
    EXPECT_EQ(options.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU), bin + "Background_root.jpg");
}

// Options of an older program folder (absolute paths of the machine that
// built it), newer shipped keys, and what is stored back.
TEST(OptionsTest, UserOptionsTakeDefaultsOnlyWhereTheirValuesCannotServe) {
    TestFolder folder;
    std::filesystem::create_directories(folder.Path() + "work");
    std::filesystem::create_directories(folder.Path() + "locked");
    const OptionDefaults defaults = DefaultOptions("/usr/lib/quorva/", "/home/ann", "/v/");
    auto filledFrom = [&](const std::string& working, const std::string& title) {
        CXMLAccess options("body", "");
        options.SetValue(keys::WORKING_FOLDER, working);
        options.SetValue(keys::RECENT_OPEN, folder.Path() + "work");
        options.SetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, title);
        FillDefaultOptions(options, defaults);
        return options;
    };
    // A folder this user can write, or make in a writable folder, is kept.
    EXPECT_EQ(filledFrom(folder.Path() + "work/", "").GetValue(keys::WORKING_FOLDER),
              folder.Path() + "work/");
    EXPECT_EQ(filledFrom(folder.Path() + "cleared/", "").GetValue(keys::WORKING_FOLDER),
              folder.Path() + "cleared/");
    EXPECT_EQ(filledFrom("/nonexistent/build/bin/Work/", "").GetValue(keys::WORKING_FOLDER),
              "/v/Quorva/");
    EXPECT_EQ(filledFrom("relative/Work/", "").GetValue(keys::WORKING_FOLDER), "/v/Quorva/");
    if (geteuid() != 0) {  // root may write anywhere
        chmod((folder.Path() + "locked").c_str(), 0555);
        EXPECT_EQ(filledFrom(folder.Path() + "locked/", "").GetValue(keys::WORKING_FOLDER),
                  "/v/Quorva/");
    }
    // A shipped picture of a program folder that is gone becomes ours; a
    // missing picture of the user's own choosing stays (the job asks).
    EXPECT_EQ(filledFrom("", "/old/build/bin/Background.jpg")
                  .GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU),
              "/usr/lib/quorva/Background.jpg");
    EXPECT_EQ(filledFrom("", "/pics/gone.jpg").GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU),
              "/pics/gone.jpg");

    // Keys a newer program ships are added with its values; the user's win.
    CXMLAccess shipped("body", "");
    shipped.SetValue(keys::DVD_DISC_VOLUME, "Shipped");
    shipped.SetValue("STRETCH_TO_FILL", "0");
    CXMLAccess mine("body", "");
    mine.SetValue(keys::WORKING_FOLDER, "");
    mine.SetValue(keys::DVD_DISC_VOLUME, "Mine");
    AddMissingOptions(mine, shipped);
    ASSERT_EQ(mine.attributes.size(), 3u);
    EXPECT_EQ(mine.GetValue(keys::DVD_DISC_VOLUME), "Mine");
    EXPECT_EQ(mine.attributes.back(),
              (std::pair<std::string, std::string>("STRETCH_TO_FILL", "0")));

    // Stored back, a default still in place is empty again; a changed value is kept.
    const FilledOptions filled = FillDefaultOptions(mine, defaults);
    EXPECT_EQ(StoredOptions(mine, filled).GetValue(keys::WORKING_FOLDER), "");
    mine.SetValue(keys::WORKING_FOLDER, "/data/dvd/");
    EXPECT_EQ(StoredOptions(mine, filled).GetValue(keys::WORKING_FOLDER), "/data/dvd/");
}

TEST(OptionsTest, VideosFolderIsReadAsTheDesktopWritesIt) {
    const std::string home = "/home/ann";
    EXPECT_EQ(platform::VideosFolderIn("XDG_VIDEOS_DIR=\"$HOME/Vidéos\"\n", home),
              "/home/ann/Vidéos/");
    EXPECT_EQ(platform::VideosFolderIn("# XDG_VIDEOS_DIR=\"/no\"\n"
                                       "XDG_MUSIC_DIR=\"$HOME/Music\"\n"
                                       "  XDG_VIDEOS_DIR=\"/media/my \\\"films\\\"/\"\n",
                                       home),
              "/media/my \"films\"/");
    EXPECT_EQ(platform::VideosFolderIn("XDG_VIDEOS_DIR=\"$HOME/\"\n", home), "");  // switched off
    EXPECT_EQ(platform::VideosFolderIn("XDG_VIDEOS_DIR=\"Videos\"\n", home), "");
    EXPECT_EQ(platform::VideosFolderIn("", home), "");
}

}  // namespace
