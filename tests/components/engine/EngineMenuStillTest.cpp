// The menu still encode: one frame per listed picture, with silent sound,
// usable by spumux and dvdauthor as a menu.
#include <gtest/gtest.h>

#include "EngineTestKit.h"
#include "platform/Files.h"

namespace {

using namespace enginetest;

std::string MenuText(const std::string& picture, int copies, const std::string& type,
                     const Target& target, const std::string& output) {
    std::string list;
    for (int i = 0; i < copies; ++i)
        list += (i ? "," : "") + picture;
    return "xencoder*mf://" + list + "*-mf*w=" + std::to_string(target.width()) +
           ":h=" + std::to_string(target.height()) + ":fps=" + target.rate() + ":type=" + type +
           "*" + target.EncodingOptions() + "*-o*" + output;
}

class EngineMenuStill : public ::testing::Test {
  protected:
    testsupport::TempFolder folder;
};

TEST_F(EngineMenuStill, OneFramePerPictureWithSilentSound) {
    const std::string jpg = folder / "canvas.jpg";
    ASSERT_TRUE(MakeClip(jpg, {"-f", "lavfi", "-i", "testsrc=size=720x576", "-frames", "1"}));
    Target pal{true, false, 5000};
    const std::string output = folder / "menu.m2v";
    ASSERT_EQ(RunEngine(MenuText(jpg, 6, "jpg", pal, output)), 0);
    const Probe probe = ProbeFile(output);
    ASSERT_TRUE(probe.ok);
    ASSERT_EQ(probe.video.size(), 1u);
    ASSERT_EQ(probe.audio.size(), 1u);
    EXPECT_EQ(probe.video[0]["codec_name"].toString(), "mpeg2video");
    EXPECT_EQ(probe.video[0]["height"].toInt(), 576);
    EXPECT_EQ(probe.video[0]["display_aspect_ratio"].toString(), "4:3");
    EXPECT_EQ(Number(probe.video[0], "nb_read_packets"), 6);
    EXPECT_EQ(probe.audio[0]["codec_name"].toString(), "ac3");
    EXPECT_GE(Number(probe.audio[0], "nb_read_packets") * 1536 / 48000, 6 / 25.0);
}

TEST_F(EngineMenuStill, BitmapMenuIsAcceptedBySpumuxAndDvdauthor) {
    const std::string bmp = folder / "canvas.bmp";
    ASSERT_TRUE(MakeClip(bmp, {"-f", "lavfi", "-i", "testsrc=size=640x480", "-frames", "1"}));
    const Target ntsc{false, true, 5000};
    const std::string still = folder / "still.m2v";
    ASSERT_EQ(RunEngine(MenuText(bmp, 6, "bmp", ntsc, still)), 0);

    // A button overlay and the subpicture description, as the menu stage makes them.
    const std::string button = folder / "button.png";
    ASSERT_TRUE(MakeClip(button, {"-f", "lavfi", "-i", "color=c=white:s=128x96", "-vf",
                                  "format=rgba,pad=720:480:64:66:color=black@0", "-frames", "1"}));
    const std::string xml = folder / "spu.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(
        xml, "<subpictures><stream><spu force=\"yes\" start=\"00:00:00.00\" image=\"" + button +
                 "\" select=\"" + button + "\" highlight=\"" + button +
                 "\" autooutline=\"infer\" outlinewidth=\"6\" autoorder=\"rows\"/></stream>"
                 "</subpictures>"));
    const std::string menu = folder / "menu.mpg";
    setenv("VIDEO_FORMAT", "NTSC", 1);
    const auto spumux = testsupport::RunCommand({"spumux", xml}, still, menu);
    ASSERT_EQ(spumux.status, 0) << spumux.output;
    EXPECT_NE(spumux.output.find("1 subtitles added"), std::string::npos) << spumux.output;

    const std::string title = folder / "title.vob";
    const std::string clip = folder / "clip.avi";
    ASSERT_TRUE(MakeClip(
        clip, {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=0.5", "-c:v", "mpeg4"}));
    ASSERT_EQ(RunEngine(ConversionText(ntsc, clip, title, 0)), 0);
    const std::string project = folder / "project.xml";
    ASSERT_TRUE(platform::WriteFileAtomically(
        project, "<dvdauthor dest=\"" + folder / "dvd" +
                     "\"><vmgm><menus><pgc><button>jump title 1;</button><vob file=\"" + menu +
                     "\" pause=\"inf\"/></pgc></menus></vmgm><titleset><titles><pgc><vob file=\"" +
                     title + "\"/></pgc></titles></titleset></dvdauthor>"));
    const auto author = testsupport::RunCommand({"dvdauthor", "-x", project});
    EXPECT_EQ(author.status, 0) << author.output;
    EXPECT_EQ(author.output.find("ERR:"), std::string::npos) << author.output;
    EXPECT_TRUE(platform::IsRegularFile(folder / "dvd/VIDEO_TS/VIDEO_TS.VOB"));
}

TEST_F(EngineMenuStill, AMissingPictureFailsWithoutOutput) {
    const std::string output = folder / "menu.m2v";
    EXPECT_NE(RunEngine(MenuText(folder / "absent.jpg", 6, "jpg", Target{}, output)), 0);
    EXPECT_FALSE(platform::PathExists(output));
    // A file that is no picture at all.
    const std::string text = folder / "notes.jpg";
    ASSERT_TRUE(platform::WriteFileAtomically(text, "just some words\n"));
    EXPECT_NE(RunEngine(MenuText(text, 6, "jpg", Target{}, output)), 0);
    EXPECT_FALSE(platform::PathExists(output));
}

}  // namespace
