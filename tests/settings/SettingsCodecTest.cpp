// The settings codec: plain stored form, key file required, atomic encode.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/TestFolder.h"
#include "components/settingscodec/SettingsCodec.h"

namespace {

using namespace settingscodec;

TEST(SettingsCodecTest, DecodeAndEncodeCopyThePlainXml) {
    TestFolder folder;
    const std::string key = folder.Write("p4.data", "k");
    const std::string stored = folder.Write("stored", "<body A=\"1\"/>");
    const std::string plain = folder.Path() + "plain";
    EXPECT_EQ(CreateSettingsCodec()->Decode(stored, plain, key), CODEC_OK);
    EXPECT_EQ(TestFolder::Read(plain), "<body A=\"1\"/>");
    folder.Write("plain", "<body A=\"2\"/>");
    EXPECT_EQ(CreateSettingsCodec()->Encode(plain, stored, key), CODEC_OK);
    EXPECT_EQ(TestFolder::Read(stored), "<body A=\"2\"/>");
    // Nothing but the two files and the key remain beside the target.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 3);
}

TEST(SettingsCodecTest, FailuresHaveTheirCodesAndLeaveTheTargetAlone) {
    TestFolder folder;
    const std::string key = folder.Write("p4.data", "k");
    const std::string stored = folder.Write("stored", "<body A=\"1\"/>");
    const std::string missing = folder.Path() + "missing";
    auto codec = CreateSettingsCodec();
    EXPECT_EQ(codec->Decode(missing, folder.Path() + "out", key), DECODE_STORED_UNREADABLE);
    EXPECT_EQ(codec->Decode(stored, folder.Path() + "out", missing), DECODE_KEY_UNREADABLE);
    EXPECT_EQ(codec->Decode(stored, stored + "/x", key), DECODE_PLAIN_NOT_WRITTEN);
    EXPECT_EQ(codec->Encode(missing, stored, key), ENCODE_PLAIN_UNREADABLE);
    EXPECT_EQ(codec->Encode(stored, folder.Path() + "s2", missing), ENCODE_KEY_UNREADABLE);
    EXPECT_EQ(codec->Encode(key, stored + "/x", key), ENCODE_STORED_NOT_WRITTEN);
    EXPECT_EQ(TestFolder::Read(stored), "<body A=\"1\"/>");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "s2"));
}

}  // namespace
