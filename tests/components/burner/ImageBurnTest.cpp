// Burning a real VIDEO_TS folder to the disc image device, checked the way a
// player and the ISO tools see the result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>

#include "components/burner/BurnerTestSupport.h"
#include "components/burner/DiscWriter.h"
#include "components/burner/LibburnDiscBurner.h"
#include "platform/Files.h"

#include <fcntl.h>

#include <algorithm>
#include <atomic>

using namespace burnertest;

namespace {

class ImageBurnTest : public ::testing::Test {
  protected:
    void SetUp() override {
        videoTs_ = MakeDvdFolder(scratch_.path(), "DVD_3");
        ASSERT_FALSE(videoTs_.empty()) << "ffmpeg/dvdauthor could not make a DVD folder";
        std::int32_t count = 0;
        ASSERT_EQ(burner_.GetDeviceCount(&count), 0);
        imageDevice_ = count - 1;
    }

    ScratchFolder scratch_;
    std::string videoTs_;
    burner::LibburnDiscBurner burner_;
    ProgressWindow window_{burner_};
    std::int32_t imageDevice_ = -1;
};

TEST_F(ImageBurnTest, WritesAPlayableImageBesideTheDvdFolder) {
    std::int32_t result = -1;
    ASSERT_EQ(window_.Burn(imageDevice_, videoTs_, "HOLIDAY2024", &result), 0)
        << LastFailure(window_.messages);
    EXPECT_EQ(result, 0);
    const std::string image = scratch_.path() + "/DVD_3.iso";
    EXPECT_EQ(burner_.LastImagePath(), image);
    ASSERT_TRUE(std::filesystem::is_regular_file(image));
    EXPECT_EQ(std::filesystem::file_size(image) % 2048, 0u);

    // A player reads the title and the disc name.
    std::string lsdvd;
    ASSERT_EQ(RunCommand("lsdvd " + Quoted(image), &lsdvd), 0) << lsdvd;
    EXPECT_NE(lsdvd.find("Disc Title: HOLIDAY2024"), std::string::npos) << lsdvd;
    EXPECT_NE(lsdvd.find("Title: 01, Length: 00:00:02"), std::string::npos) << lsdvd;
    EXPECT_NE(lsdvd.find("Chapters: 01"), std::string::npos) << lsdvd;
    EXPECT_EQ(lsdvd.find("Title: 02"), std::string::npos) << lsdvd;

    // ISO 9660 and UDF both carry the label.
    std::string iso;
    ASSERT_EQ(RunCommand("isoinfo -d -i " + Quoted(image), &iso), 0) << iso;
    EXPECT_NE(iso.find("Volume id: HOLIDAY2024"), std::string::npos) << iso;
    std::string udf;
    ASSERT_EQ(RunCommand("udfinfo " + Quoted(image), &udf), 0) << udf;
    EXPECT_NE(udf.find("label=HOLIDAY2024"), std::string::npos) << udf;
    EXPECT_NE(udf.find("udfrev=1.02"), std::string::npos) << udf;

    // Progress only grows, ends at 100, and the log names the file.
    ASSERT_FALSE(window_.messages.empty());
    EXPECT_FALSE(AnyFailure(window_.messages)) << LastFailure(window_.messages);
    platform::WPARAM previous = 0;
    bool named = false;
    for (const BurnMessage& message : window_.messages) {
        if (message.percent != 0) {
            EXPECT_GE(message.percent, previous) << message.text;
            EXPECT_LE(message.percent, 100u);
            previous = message.percent;
        }
        named = named || message.text.find(image) != std::string::npos;
    }
    EXPECT_EQ(window_.messages.back().percent, 100u);
    EXPECT_EQ(window_.messages.back().text, "Done.");
    EXPECT_TRUE(named);
    char last[1024];
    burner_.GetLastMessage(last, sizeof last);
    EXPECT_STREQ(last, "Done.");
}

// A label with letters ISO 9660 has no room for: UDF keeps the whole text,
// the ISO 9660 volume id spells it with capitals, digits and '_' only.
TEST_F(ImageBurnTest, AnAccentedLabelStaysWholeInUdfAndPlainInIso9660) {
    std::int32_t result = -1;
    ASSERT_EQ(window_.Burn(imageDevice_, videoTs_, "Holiday 2024 \u00e9", &result), 0)
        << LastFailure(window_.messages);
    const std::string image = scratch_.path() + "/DVD_3.iso";
    std::string iso;
    ASSERT_EQ(RunCommand("isoinfo -d -i " + Quoted(image), &iso), 0) << iso;
    EXPECT_NE(iso.find("Volume id: HOLIDAY_2024_E\n"), std::string::npos) << iso;
    std::string udf;
    ASSERT_EQ(RunCommand("udfinfo " + Quoted(image), &udf), 0) << udf;
    EXPECT_NE(udf.find("label=Holiday 2024 \u00e9\n"), std::string::npos) << udf;
}

TEST_F(ImageBurnTest, NeverOverwritesAnExistingImage) {
    const std::string taken = scratch_.path() + "/DVD_3.iso";
    ASSERT_EQ(RunCommand("printf keep > " + Quoted(taken)), 0);
    std::int32_t result = -1;
    ASSERT_EQ(window_.Burn(imageDevice_, videoTs_ + "/", "SECOND", &result), 0)
        << LastFailure(window_.messages);
    EXPECT_EQ(burner_.LastImagePath(), scratch_.path() + "/DVD_3-2.iso");
    std::string kept;
    RunCommand("cat " + Quoted(taken), &kept);
    EXPECT_EQ(kept, "keep");

    window_.messages.clear();
    ASSERT_EQ(window_.Burn(imageDevice_, videoTs_, "THIRD", &result), 0);
    EXPECT_EQ(burner_.LastImagePath(), scratch_.path() + "/DVD_3-3.iso");
    std::string lsdvd;
    RunCommand("lsdvd " + Quoted(burner_.LastImagePath()), &lsdvd);
    EXPECT_NE(lsdvd.find("Disc Title: THIRD"), std::string::npos) << lsdvd;
}

// The check of the written image sees the complete file before it has its
// final name; a failed check fails the burn and leaves no image at all.
TEST_F(ImageBurnTest, AnImageThatFailsItsCheckIsNeverPublished) {
    const std::string image = scratch_.path() + "/DVD_3.iso";
    for (bool pass : {false, true}) {
        std::string checked;
        burner_.SetWrittenDiscCheck([&](const std::string& path, const std::string& name) {
            EXPECT_EQ(name, image);
            EXPECT_FALSE(std::filesystem::exists(image));
            std::string lsdvd;
            EXPECT_EQ(RunCommand("lsdvd " + Quoted(path), &lsdvd), 0) << lsdvd;
            checked = path;
            return pass ? std::string() : "The disc image failed the disc check: broken.";
        });
        window_.messages.clear();
        std::int32_t result = -1;
        const std::int32_t status = window_.Burn(imageDevice_, videoTs_, "CHECKED", &result);
        EXPECT_NE(checked, image);
        if (pass) {
            EXPECT_EQ(status, 0) << LastFailure(window_.messages);
            EXPECT_EQ(ListFiles(scratch_.path()), (std::vector<std::string>{"DVD_3", "DVD_3.iso"}));
        } else {
            EXPECT_LT(status, 0);
            EXPECT_EQ(LastFailure(window_.messages),
                      "The disc image failed the disc check: broken.");
            EXPECT_EQ(ListFiles(scratch_.path()), std::vector<std::string>{"DVD_3"});
        }
    }
}

TEST_F(ImageBurnTest, CancelBeforeWritingStopsTheBurn) {
    window_.onMessage = [&](const BurnMessage& message) {
        if (message.text.rfind("Preparing", 0) == 0) {
            burner_.Cancel();
        }
    };
    std::int32_t result = -1;
    EXPECT_LT(window_.Burn(imageDevice_, videoTs_, "CANCEL", &result), 0);
    EXPECT_NE(result, 0);
    EXPECT_EQ(window_.messages.back().text, "Burn cancelled.");
    EXPECT_EQ(window_.messages.back().failed, 0);  // the user's wish, not an error
    EXPECT_EQ(ListFiles(scratch_.path()), std::vector<std::string>{"DVD_3"});

    // The next burn is not affected by the earlier cancel.
    window_.onMessage = nullptr;
    window_.messages.clear();
    EXPECT_EQ(window_.Burn(imageDevice_, videoTs_, "AFTER", &result), 0)
        << LastFailure(window_.messages);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(burner_.LastImagePath(), scratch_.path() + "/DVD_3.iso");
}

// In a child process: after a cancel on the drive, libburn in this process
// does not write the next stream correctly (a known open problem), which
// must not disturb the other tests.
TEST_F(ImageBurnTest, CancelWhileWritingLeavesNoImage) {
    auto cancelWhileWriting = [&] {
        window_.onMessage = [&](const BurnMessage& message) {
            if (message.text.rfind("Writing disc image \"", 0) == 0) {
                burner_.Cancel();
            }
        };
        std::int32_t result = -1;
        std::int32_t status = window_.Burn(imageDevice_, videoTs_, "CANCEL", &result);
        std::fprintf(stderr, "status=%d result=%d files=%zu last=%s failed=%d\n", status, result,
                     ListFiles(scratch_.path()).size(), window_.messages.back().text.c_str(),
                     static_cast<int>(window_.messages.back().failed));
        std::fflush(stderr);
        _exit(0);
    };
    EXPECT_EXIT(cancelWhileWriting(), ::testing::ExitedWithCode(0),
                "status=-1 result=1 files=1 last=Burn cancelled. failed=0");
}

TEST_F(ImageBurnTest, RefusesASecondBurnAndRescansWhileBurning) {
    std::string secondBurn;
    std::string scan;
    window_.onMessage = [&](const BurnMessage& message) {
        if (message.text.rfind("Writing disc image \"", 0) != 0 || !secondBurn.empty()) {
            return;
        }
        std::int32_t result = -1;
        // Runs on this thread while the first burn waits for the message.
        EXPECT_LT(burner_.BurnFolder(imageDevice_, videoTs_.c_str(), "X", 0, &result), 0);
        EXPECT_NE(result, 0);
        char text[1024];
        burner_.GetLastMessage(text, sizeof text);
        secondBurn = text;
        EXPECT_LT(burner_.ScanDevices(&result), 0);
        burner_.GetLastMessage(text, sizeof text);
        scan = text;
    };
    std::int32_t result = -1;
    EXPECT_EQ(window_.Burn(imageDevice_, videoTs_, "FIRST", &result), 0)
        << LastFailure(window_.messages);
    EXPECT_EQ(secondBurn, "Another burn is already running.");
    EXPECT_EQ(scan, "The drives cannot be scanned while a burn is running.");
    EXPECT_EQ(ListFiles(scratch_.path()), (std::vector<std::string>{"DVD_3", "DVD_3.iso"}));
}

}  // namespace

// The read-back after writing: data that reads back as written passes, a
// byte changed on the disc after writing fails the burn and says so.
TEST(ReadBackTest, CatchesADiscThatDoesNotHoldWhatWasWritten) {
    ScratchFolder scratch;
    const std::string stream = scratch.path() + "/stream.bin";
    std::string data(64 * 2048 + 2048 * 3, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>((i * 7919) >> 5);
    ASSERT_TRUE(platform::WriteFileAtomically(stream, data));
    auto library = burner::LibburnLibrary::Acquire();
    ASSERT_TRUE(library) << library.error();
    for (bool spoil : {false, true}) {
        const std::string disc = scratch.path() + (spoil ? "/spoilt.img" : "/good.img");
        ASSERT_TRUE(platform::WriteFileAtomically(disc, ""));
        burner::WriteJob job{"stdio:" + disc,
                             open(stream.c_str(), O_RDONLY | O_CLOEXEC),
                             static_cast<std::int64_t>(data.size()),
                             true,
                             {}};
        std::vector<std::string> phases;
        std::vector<int> percents;
        burner::WriteEvents events;
        events.phase = [&](const std::string& text) { phases.push_back(text); };
        events.progress = [&](int percent) { percents.push_back(percent); };
        events.writingEnded = [&](bool complete) {
            ASSERT_TRUE(complete);
            if (spoil) {
                std::FILE* file = std::fopen(disc.c_str(), "r+b");
                ASSERT_NE(file, nullptr);
                std::fseek(file, 70000, SEEK_SET);
                std::fputc(data[70000] ^ 1, file);
                std::fclose(file);
            }
        };
        std::atomic<bool> cancel{false};
        const std::string failure = burner::WriteDisc(**library, job, events, cancel).error();
        EXPECT_NE(std::find(phases.begin(), phases.end(), burner::kVerifyingPhase), phases.end());
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
        if (spoil) {
            EXPECT_NE(failure.find("The disc does not hold what was written"), std::string::npos)
                << failure;
        } else {
            EXPECT_EQ(failure, "");
            ASSERT_FALSE(percents.empty());
            EXPECT_EQ(percents.back(), 99);
        }
    }
}
