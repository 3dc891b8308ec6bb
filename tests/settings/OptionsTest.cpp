// Keys, built-in tables, integer reads and the installed settings files.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "app/TestFolder.h"
#include "settings/Options.h"

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

TEST(OptionsTest, MissingIntegerKeyEndsTheProcessWithTheKey) {
    CXMLAccess node("body", "");
    EXPECT_EXIT(ReadIntOption(node, keys::VIDEO_QUALITY_MODE), ::testing::ExitedWithCode(1),
                "Error: VIDEO_QUALITY_MODE");
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

// The program folder assembled by the build carries every key, with values that work.
TEST(OptionsTest, InstalledFilesHoldEveryKey) {
    TestFolder folder;
    const std::string bin = QUORVA_BIN_DIR;
    CXMLAccess product;
    ASSERT_EQ(LoadXMLNode(bin + "p0.data", product, bin + "p4.data"), XML_OK);
    for (const char* key : {keys::PRODUCT_NAME, keys::OPTIONS_FILENAME, keys::LOAD_SKIN,
                            keys::SKIN_FILENAME, keys::URL_PRODUCT_HOME})
        EXPECT_FALSE(product.GetValue(key, false, "\x01").starts_with("\x01")) << key;
    EXPECT_EQ(product.GetValue(keys::PRODUCT_NAME), "Quorva");
    EXPECT_EQ(product.GetValue(keys::LOAD_SKIN), "no");

    CXMLAccess options;
    ASSERT_EQ(LoadXMLNode(bin + product.GetValue(keys::OPTIONS_FILENAME), options, bin + "p4.data"),
              XML_OK);
    std::set<std::string> present;
    for (const auto& [name, value] : options.attributes)
        present.insert(name);
    for (const char* key :
         {keys::WORKING_FOLDER, keys::CLEAR_TEMP_FOLDER_WHEN_EXIT, keys::TARGET_DVD_TYPE,
          keys::VIDEO_ASPECT_RATIO, keys::VIDEO_QUALITY_MODE,
          keys::BACKGROUND_PICTURE_OF_TITLE_MENU, keys::BACKGROUND_PICTURE_OF_ROOT_MENU,
          keys::DVD_DISC_VOLUME, keys::RECENT_OPEN, keys::FILENAME_SN})
        EXPECT_TRUE(present.count(key)) << key;
    const std::string working = options.GetValue(keys::WORKING_FOLDER);
    EXPECT_EQ(working.front(), '/');
    EXPECT_EQ(working.back(), '/');
    EXPECT_EQ(options.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU), bin + "Background.jpg");
    EXPECT_EQ(options.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU), bin + "Background_root.jpg");
    EXPECT_EQ(options.GetValue(keys::DVD_DISC_VOLUME), "QorDVDVolume");
}

}  // namespace
