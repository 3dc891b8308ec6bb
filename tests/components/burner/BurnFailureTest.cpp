// A burn that cannot succeed says why and leaves no half-written image.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "components/burner/BurnerTestSupport.h"
#include "components/burner/ImageTarget.h"
#include "components/burner/IsoImageProcess.h"
#include "components/burner/LibburnDiscBurner.h"
#include "components/burner/VolumeLabel.h"

using namespace burnertest;

namespace {

class BurnFailureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::int32_t count = 0;
        ASSERT_EQ(burner_.GetDeviceCount(&count), 0);
        imageDevice_ = count - 1;
    }

    // Burns to the image device and expects a reported failure.
    std::string ExpectFailure(const std::string& folder) {
        std::int32_t result = 0;
        EXPECT_LT(window_.Burn(imageDevice_, folder, "LABEL", &result), 0);
        EXPECT_NE(result, 0);
        EXPECT_TRUE(AnyFailure(window_.messages));
        EXPECT_NE(window_.messages.back().failed, 0);
        EXPECT_TRUE(burner_.LastImagePath().empty());
        return LastFailure(window_.messages);
    }

    ScratchFolder scratch_;
    burner::LibburnDiscBurner burner_;
    ProgressWindow window_{burner_};
    std::int32_t imageDevice_ = -1;
};

TEST_F(BurnFailureTest, RefusesADeviceIndexOutsideTheList) {
    std::string videoTs = MakeDvdFolder(scratch_.path(), "DVD_1");
    ASSERT_FALSE(videoTs.empty());
    for (std::int32_t index : {-1, imageDevice_ + 1, 1000}) {
        window_.messages.clear();
        std::int32_t result = 0;
        EXPECT_LT(window_.Burn(index, videoTs, "LABEL", &result), 0);
        EXPECT_EQ(result, 1);
        ASSERT_EQ(window_.messages.size(), 1u);
        EXPECT_NE(window_.messages[0].failed, 0);
        EXPECT_EQ(window_.messages[0].text,
                  index < 0 ? "No burning device was chosen."
                            : "There is no device number " + std::to_string(index) + ".");
    }
    char name[64] = "untouched";
    std::int32_t result = 0;
    EXPECT_LT(burner_.GetDeviceName(-1, name, sizeof name, &result), 0);
    EXPECT_STREQ(name, "untouched");
    BurnerDeviceInfo info{};
    EXPECT_LT(burner_.GetDeviceInfo(&info, imageDevice_ + 1, &result), 0);
    EXPECT_EQ(ListFiles(scratch_.path()), std::vector<std::string>{"DVD_1"});
}

TEST_F(BurnFailureTest, RefusesAFolderThatIsNotAVideoTsFolder) {
    std::string missing = scratch_.path() + "/DVD_9/VIDEO_TS";
    EXPECT_EQ(ExpectFailure(missing), "The DVD folder \"" + missing + "\" does not exist.");

    std::string empty = scratch_.path() + "/DVD_2/VIDEO_TS";
    std::filesystem::create_directories(empty);
    window_.messages.clear();
    EXPECT_NE(ExpectFailure(empty).find("VIDEO_TS.IFO is missing"), std::string::npos);

    std::string other = scratch_.path() + "/DVD_2";
    window_.messages.clear();
    EXPECT_NE(ExpectFailure(other).find("is not a VIDEO_TS folder"), std::string::npos);

    EXPECT_FALSE(std::filesystem::exists(scratch_.path() + "/DVD_2.iso"));
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() + "/DVD_9.iso"));
}

TEST_F(BurnFailureTest, ReportsAnUnwritableTargetFolder) {
    std::string videoTs = MakeDvdFolder(scratch_.path(), "DVD_1");
    ASSERT_FALSE(videoTs.empty());
    const std::string& folder = scratch_.path();
    // The superuser writes through permissions; a read-only mount stops it.
    bool mounted = geteuid() == 0 &&
                   RunCommand("mount --bind " + Quoted(folder) + " " + Quoted(folder)) == 0 &&
                   RunCommand("mount -o remount,ro,bind " + Quoted(folder)) == 0;
    if (!mounted) {
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    std::string failure = ExpectFailure(videoTs);
    if (mounted) {
        RunCommand("umount " + Quoted(folder));
    } else {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    }
    EXPECT_NE(failure.find("Cannot create the disc image file \"" + folder + "/DVD_1.iso\""),
              std::string::npos)
        << failure;
    EXPECT_EQ(ListFiles(folder), std::vector<std::string>{"DVD_1"});
}

TEST_F(BurnFailureTest, ReportsATargetTooSmallForTheImage) {
    if (geteuid() != 0 ||
        RunCommand("mount -t tmpfs -o size=1m tmpfs " + Quoted(scratch_.path())) != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here; the file-size limit test covers a "
                        "full target";
    }
    std::string videoTs = MakeDvdFolder(scratch_.path(), "DVD_1");
    std::string failure;
    if (!videoTs.empty()) {
        failure = ExpectFailure(videoTs);
    }
    std::vector<std::string> left = ListFiles(scratch_.path());
    RunCommand("umount " + Quoted(scratch_.path()));
    ASSERT_FALSE(videoTs.empty());
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(left, std::vector<std::string>{"DVD_1"}) << failure;
}

// In a child process (the limit would hit every later test): the image stops
// growing at 256 KiB while the file system has room.
TEST_F(BurnFailureTest, ReportsAWriteThatFailsHalfWay) {
    std::string videoTs = MakeDvdFolder(scratch_.path(), "DVD_1");
    ASSERT_FALSE(videoTs.empty());
    auto burnUnderTheLimit = [&] {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{256 * 1024, 256 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        burner::LibburnDiscBurner burner;
        std::int32_t count = 0;
        burner.GetDeviceCount(&count);
        std::int32_t result = 0;
        std::int32_t status = burner.BurnFolder(count - 1, videoTs.c_str(), "LIMIT", 0, &result);
        char text[1024];
        burner.GetLastMessage(text, sizeof text);
        std::fprintf(stderr, "status=%d result=%d files=%zu message=%s\n", status, result,
                     ListFiles(scratch_.path()).size(), text);
        std::fflush(stderr);
        _exit(0);  // no static destructors: they belong to the parent
    };
    EXPECT_EXIT(burnUnderTheLimit(), ::testing::ExitedWithCode(0),
                "status=-1 result=1 files=1 message=.*[Ww]rit");
}

// The label is measured in bytes, as genisoimage measures it: what the check
// lets through the tool takes, what it refuses the burner refuses up front.
TEST_F(BurnFailureTest, ChecksTheVolumeLabelByItsBytesAsTheImageToolDoes) {
    std::string videoTs = MakeDvdFolder(scratch_.path(), "DVD_1");
    ASSERT_FALSE(videoTs.empty());
    std::string accented16, accented17;
    for (int i = 0; i < 16; ++i)
        accented16 += "\u00e9";
    accented17 = accented16 + "\u00e9";  // 17 characters, 34 bytes
    for (const std::string& label : {std::string(32, 'A'), accented16, std::string()}) {
        EXPECT_TRUE(burner::CheckVolumeLabel(label)) << label;
        const auto sectors = burner::MeasureIsoImage({burner::DvdFolderOf(videoTs), label});
        EXPECT_TRUE(sectors && *sectors > 0) << label << ": " << sectors.error();
    }
    for (const std::string& label : {std::string(33, 'A'), accented17}) {
        ASSERT_FALSE(burner::CheckVolumeLabel(label)) << label;
        EXPECT_FALSE(burner::MeasureIsoImage({burner::DvdFolderOf(videoTs), label})) << label;
    }
    EXPECT_NE(burner::CheckVolumeLabel("AB\xff\xfe").error().find("UTF-8"), std::string::npos);
    EXPECT_EQ(burner::FitVolumeLabel(accented17), accented16);
    EXPECT_EQ(burner::FitVolumeLabel("A" + accented16), "A" + accented16.substr(0, 30));

    std::int32_t result = 0;
    EXPECT_LT(window_.Burn(imageDevice_, videoTs, accented17, &result), 0);
    EXPECT_EQ(LastFailure(window_.messages), burner::CheckVolumeLabel(accented17).error());
    EXPECT_EQ(ListFiles(scratch_.path()), std::vector<std::string>{"DVD_1"});
}

}  // namespace
