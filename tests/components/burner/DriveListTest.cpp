// The device list with libburn's file-backed pseudo-drives standing in for
// optical drives, and a burn through such a drive.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <thread>

#include "components/burner/BurnerTestSupport.h"
#include "components/burner/DiscWriter.h"
#include "components/burner/LibburnDiscBurner.h"

using namespace burnertest;

namespace {

std::string NameOf(IDiscBurner& burner, std::int32_t index) {
    char name[1024];
    std::memset(name, 0, sizeof name);
    std::int32_t result = -1;
    EXPECT_EQ(burner.GetDeviceName(index, name, sizeof name, &result), 0);
    EXPECT_EQ(result, 0);
    return name;
}

BurnerDeviceInfo InfoOf(IDiscBurner& burner, std::int32_t index) {
    BurnerDeviceInfo info;
    std::memset(info.bytes, 0xAB, sizeof info.bytes);
    std::int32_t result = -1;
    EXPECT_EQ(burner.GetDeviceInfo(&info, index, &result), 0);
    EXPECT_EQ(result, 0);
    return info;
}

TEST(DriveListTest, ListsPseudoDrivesBeforeTheImageDevice) {
    ScratchFolder scratch;
    const std::string disc = scratch.path() + "/disc.img";
    const std::string missing = scratch.path() + "/no/such/folder/disc.img";
    burner::LibburnDiscBurner burner({"stdio:" + disc, "stdio:" + missing});

    std::int32_t count = 0;
    ASSERT_EQ(burner.GetDeviceCount(&count), 0);
    // No optical drive here: the pseudo-drive, then the image device. The
    // unusable address is left out with a warning.
    ASSERT_EQ(count, 2);
    EXPECT_NE(NameOf(burner, 0).find("(stdio:" + disc + ")"), std::string::npos)
        << NameOf(burner, 0);
    EXPECT_EQ(NameOf(burner, 1), "Disc image file (ISO)");

    BurnerDeviceInfo drive = InfoOf(burner, 0);
    EXPECT_TRUE(drive.CanBurn());
    EXPECT_NE(drive.Word(BurnerDeviceInfo::kDvdRam), 0u);  // a random-access file
    EXPECT_STREQ(reinterpret_cast<const char*>(drive.bytes), ("stdio:" + disc).c_str());
    BurnerDeviceInfo image = InfoOf(burner, 1);
    for (std::size_t offset : {424u, 428u, 444u, 448u, 452u}) {
        EXPECT_EQ(image.Word(offset), 1u) << offset;
    }

    // A rescan gives the same list; nothing was written to the drive's file.
    std::int32_t result = -1;
    ASSERT_EQ(burner.ScanDevices(&result), 0);
    EXPECT_EQ(result, 0);
    char text[1024];
    burner.GetLastMessage(text, sizeof text);
    EXPECT_NE(std::string(text).find(missing), std::string::npos) << text;
    EXPECT_NE(std::string(text).find("1 drive found."), std::string::npos) << text;
    ASSERT_EQ(burner.GetDeviceCount(&count), 0);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(std::filesystem::exists(disc) && std::filesystem::file_size(disc) > 0);
}

TEST(DriveListTest, TakesExtraDrivesFromTheEnvironment) {
    ScratchFolder scratch;
    std::string drives = "stdio:" + scratch.path() + "/a.img;stdio:" + scratch.path() + "/b.img";
    setenv(burner::kExtraDrivesVariable, drives.c_str(), 1);
    std::shared_ptr<IDiscBurner> burner = CreateDiscBurner();
    unsetenv(burner::kExtraDrivesVariable);
    std::int32_t count = 0;
    ASSERT_EQ(burner->GetDeviceCount(&count), 0);
    ASSERT_EQ(count, 3);
    EXPECT_NE(NameOf(*burner, 0).find("a.img"), std::string::npos);
    EXPECT_NE(NameOf(*burner, 1).find("b.img"), std::string::npos);
    EXPECT_EQ(NameOf(*burner, 2), kImageDeviceName);

    std::shared_ptr<IDiscBurner> plain = CreateDiscBurner();
    ASSERT_EQ(plain->GetDeviceCount(&count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(InfoOf(*plain, 0).CanBurn());
}

// The discovery thread scans while the dialog lists: the listing waits for
// the scan and always sees a whole list.
TEST(DriveListTest, ListingDuringAScanSeesTheWholeList) {
    ScratchFolder scratch;
    burner::LibburnDiscBurner burner({"stdio:" + scratch.path() + "/disc.img"});
    for (int round = 0; round < 5; ++round) {
        std::thread discovery([&] {
            std::int32_t result = -1;
            EXPECT_EQ(burner.ScanDevices(&result), 0);
        });
        std::int32_t count = 0;
        ASSERT_EQ(burner.GetDeviceCount(&count), 0);
        EXPECT_EQ(count, 2);
        EXPECT_EQ(NameOf(burner, count - 1), kImageDeviceName);
        discovery.join();
    }
}

TEST(DriveListTest, BurnsThroughAPseudoDriveAndWantsABlankDisc) {
    ScratchFolder scratch;
    std::string videoTs = MakeDvdFolder(scratch.path(), "DVD_1");
    ASSERT_FALSE(videoTs.empty());
    const std::string disc = scratch.path() + "/disc.img";
    burner::LibburnDiscBurner burner({"stdio:" + disc});
    ProgressWindow window(burner);
    std::int32_t result = -1;
    ASSERT_EQ(window.Burn(0, videoTs, "ONDRIVE", &result), 0) << LastFailure(window.messages);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(burner.LastImagePath().empty());  // no image device involved
    EXPECT_FALSE(std::filesystem::exists(scratch.path() + "/DVD_1.iso"));
    std::string lsdvd;
    ASSERT_EQ(RunCommand("lsdvd " + Quoted(disc), &lsdvd), 0) << lsdvd;
    EXPECT_NE(lsdvd.find("Disc Title: ONDRIVE"), std::string::npos) << lsdvd;
    EXPECT_EQ(window.messages.back().text, "Done.");

    // The file now holds a disc: it is not blank, and stays as it is.
    const auto written = std::filesystem::last_write_time(disc);
    EXPECT_LT(window.Burn(0, videoTs, "AGAIN", &result), 0);
    EXPECT_EQ(LastFailure(window.messages), "The disc in the drive is not blank.");
    EXPECT_EQ(std::filesystem::last_write_time(disc), written);
}

// A pseudo-drive on a pipe is never opened: it would wait for a reader.
TEST(DriveListTest, APseudoDriveOnAPipeIsRefused) {
    ScratchFolder scratch;
    const std::string pipe = scratch.path() + "/pipe.img";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    burner::LibburnDiscBurner burner({"stdio:" + pipe});
    std::int32_t count = 0;
    ASSERT_EQ(burner.GetDeviceCount(&count), 0);
    EXPECT_EQ(count, 1);  // the image device alone

    auto library = burner::LibburnLibrary::Acquire();
    ASSERT_TRUE(library) << library.error();
    std::atomic<bool> cancel{false};
    const std::string failure =
        burner::WriteDisc(
            **library,
            burner::WriteJob{"stdio:" + pipe, open("/dev/null", O_RDONLY), 2048, false, {}},
            burner::WriteEvents{[](int) {}, [](const std::string&) {}, [](bool) {}}, cancel)
            .error();
    EXPECT_NE(failure.find(pipe + " is not a file"), std::string::npos) << failure;
}

}  // namespace
