// What a viewer sees of a converted video: its proportions kept with black
// bars (or the frame filled on request), measured in decoded pictures.
#include <gtest/gtest.h>

#include "EngineTestKit.h"
#include "platform/Files.h"

namespace {

using namespace enginetest;

// First and last column (or row) of a run of dark samples through the middle
// of a line, starting from the line's centre and going outward.
struct Span {
    int first = -1;
    int last = -1;
    int length() const { return last - first + 1; }
};
Span DarkSpan(const Picture& p, bool horizontal, int at) {
    const int n = horizontal ? p.width : p.height;
    auto dark = [&](int i) { return (horizontal ? p.At(i, at) : p.At(at, i)) < 60; };
    Span s{n / 2, n / 2};
    if (!dark(n / 2))
        return {};
    while (s.first > 0 && dark(s.first - 1))
        --s.first;
    while (s.last + 1 < n && dark(s.last + 1))
        ++s.last;
    return s;
}
// Width of the dark bar at the left (or right) end of row y.
int BarWidth(const Picture& p, int y, bool left) {
    int width = 0;
    while (width < p.width && p.At(left ? width : p.width - 1 - width, y) < 40)
        ++width;
    return width;
}

// A black circle on white, 320 x 240 square pixels (4:3).
const std::vector<std::string> kCircle = {
    "-f",
    "lavfi",
    "-i",
    "color=white:s=320x240:d=1:r=25,geq=lum='if(lt(hypot(X-160,Y-120),80),16,235)':cb=128:cr=128",
    "-c:v",
    "mpeg4",
    "-q:v",
    "2"};

TEST(EngineProportions, KeepsShapesWithBarsAndStretchesOnRequest) {
    testsupport::TempFolder folder;
    const std::string source = folder / "circle.avi";
    ASSERT_TRUE(MakeClip(source, kCircle));

    // 4:3 on a 16:9 NTSC disc: 540 of 720 columns, 90 black at each side;
    // the stored pixels are shown 32:27 wide, so the circle is as wide as tall.
    const std::string wide = folder / "wide.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{false, true, 5000}, source, wide, 0)), 0);
    Picture p = DecodePicture(wide, 720, 480);
    ASSERT_FALSE(p.bytes.empty());
    EXPECT_NEAR(BarWidth(p, 20, true), 90, 3);
    EXPECT_NEAR(BarWidth(p, 20, false), 90, 3);
    const Span across = DarkSpan(p, true, 240);
    const Span down = DarkSpan(p, false, 360);
    ASSERT_GT(down.length(), 100);
    EXPECT_NEAR(across.length() * (16.0 / 9) / (720.0 / 480) / down.length(), 1.0, 0.03);

    // Stored half as wide with pixels twice as wide (shown 4:3), on a 4:3
    // PAL disc: fills the frame, and stays round.
    const std::string narrow = folder / "narrow.mp4";
    ASSERT_TRUE(MakeClip(narrow, {"-i", source, "-vf", "scale=160:240,setsar=2", "-c:v", "libx264",
                                  "-preset", "ultrafast", "-pix_fmt", "yuv420p"}));
    const std::string pal = folder / "pal.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{true, false, 5000}, narrow, pal, 0)), 0);
    p = DecodePicture(pal, 720, 576);
    ASSERT_FALSE(p.bytes.empty());
    EXPECT_EQ(BarWidth(p, 20, true), 0);
    EXPECT_NEAR(DarkSpan(p, true, 288).length() * (4.0 / 3) / (720.0 / 576) /
                    DarkSpan(p, false, 360).length(),
                1.0, 0.03);

    // Stretched on request: no bars, the circle 4/3 too wide.
    const std::string stretched = folder / "stretched.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{false, true, 5000}, source, stretched, 0) +
                        "*-nokeepaspect"),
              0);
    p = DecodePicture(stretched, 720, 480);
    ASSERT_FALSE(p.bytes.empty());
    EXPECT_EQ(BarWidth(p, 20, true), 0);
    EXPECT_EQ(BarWidth(p, 20, false), 0);
    EXPECT_NEAR(DarkSpan(p, true, 240).length() * (16.0 / 9) / (720.0 / 480) /
                    DarkSpan(p, false, 360).length(),
                4.0 / 3, 0.05);

    // Thumbnails keep proportions too: 4:3 fills 128 x 96 with a round circle.
    const std::string thumb = folder / "thumb.jpg";
    ASSERT_EQ(RunEngine(ThumbnailText(source, thumb)), 0);
    p = DecodePicture(thumb, 128, 96);
    ASSERT_FALSE(p.bytes.empty());
    EXPECT_EQ(BarWidth(p, 5, true), 0);
    EXPECT_NEAR(
        static_cast<double>(DarkSpan(p, true, 48).length()) / DarkSpan(p, false, 64).length(), 1.0,
        0.08);
}

// A phone video stored sideways with a rotation mark: shown upright and
// narrow, so it is pillarboxed (its thumbnail: EngineProbe).
TEST(EngineProportions, PillarboxesAnUprightPhoneVideo) {
    testsupport::TempFolder folder;
    const std::string source = folder / "sideways.mp4";
    ASSERT_TRUE(
        MakeClip(source, {"-f", "lavfi", "-i",
                          "color=white:s=160x120:d=1,drawbox=x=80:y=0:w=80:h=120:"
                          "color=black:t=fill",
                          "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"}));
    ASSERT_TRUE(MarkRotated(source));
    const std::string output = folder / "upright.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{}, source, output, 0)), 0);
    // Shown 3:4 inside 16:9: 304 of 720 columns, white on top, black below.
    const Picture p = DecodePicture(output, 720, 480);
    ASSERT_FALSE(p.bytes.empty());
    EXPECT_NEAR(BarWidth(p, 60, true), 208, 3);
    EXPECT_NEAR(BarWidth(p, 60, false), 208, 3);
    EXPECT_GT(p.At(360, 60), 200);
    EXPECT_LT(p.At(360, 420), 40);
}

}  // namespace

namespace {

// The best quality (9800 kbit/s asked) on pictures of pure noise, which
// every encoder fills to its limit: picture and sound still fit the DVD's
// 10.08 Mbit/s, so every pack reaches a player before it is due.
TEST(EngineMuxRate, BestQualityOnNoiseReachesThePlayerInTime) {
    testsupport::TempFolder folder;
    const std::string source = folder / "noise.avi";
    ASSERT_TRUE(MakeClip(
        source, {"-f", "lavfi", "-i", "color=gray:s=720x480:r=30000/1001:d=6,noise=alls=100:allf=t",
                 "-f", "lavfi", "-i", "anoisesrc=d=6:a=0.5", "-c:v", "mpeg4", "-q:v", "3", "-c:a",
                 "libmp3lame"}));
    const std::string output = folder / "best.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{false, true, 9800}, source, output, 0)), 0);
    const MuxTiming timing = CheckMuxTiming(output);
    ASSERT_GT(timing.packs, 6 * 10080000 / 8 / 2048 * 8 / 10);  // the rate was used
    EXPECT_EQ(timing.latePacks, 0) << "worst: " << timing.worstLateness << " s";
    EXPECT_LE(timing.worstLateness, 0);
}

}  // namespace

namespace {

// Eight 75 % colour bars (white, yellow, cyan, green, magenta, red, blue,
// black) drawn in RGB, then stored as high-definition YUV with the BT.709
// matrix: tagged so, or (full range) untagged, which its size implies.
std::vector<std::string> Bars709(bool tagged) {
    const std::string bar = "191*(";
    const std::string rgb = "geq=r='" + bar + "lt(X,2)+eq(X,4)+eq(X,5))':g='" + bar +
                            "lt(X,4))':b='" + bar + "eq(X,0)+eq(X,2)+eq(X,4)+eq(X,6))'";
    const std::string format = tagged ? "yuv420p" : "yuvj420p";
    std::vector<std::string> args{"-f",
                                  "lavfi",
                                  "-i",
                                  "color=black:s=8x1:r=25:d=1,format=gbrp," + rgb +
                                      ",scale=1280:720:flags=neighbor:out_color_matrix=bt709:"
                                      "out_range=" +
                                      (tagged ? "tv" : "pc") + ",format=" + format,
                                  "-c:v",
                                  "libx264",
                                  "-preset",
                                  "ultrafast",
                                  "-qp",
                                  "0"};
    if (tagged)
        args.insert(args.end(),
                    {"-colorspace", "bt709", "-color_primaries", "bt709", "-color_trc", "bt709"});
    return args;
}

// Players decode a disc with BT.601: HD colours are converted to it, and the
// stream's colour description says so.
TEST(EngineColour, HighDefinitionBarsComeOutInBt601) {
    testsupport::TempFolder folder;
    for (const bool tagged : {true, false}) {
        SCOPED_TRACE(tagged ? "BT.709 tagged" : "untagged full range");
        const std::string source = folder / (tagged ? "tagged.mp4" : "untagged.mp4");
        ASSERT_TRUE(MakeClip(source, Bars709(tagged)));
        const std::string output = folder / "bars.vob";
        ASSERT_EQ(RunEngine(ConversionText(Target{true, true, 8000}, source, output, 0)), 0);
        const Picture p = DecodePicture(output, 720, 576, 5, "yuv444p");
        ASSERT_FALSE(p.bytes.empty());
        const std::size_t plane = 720 * 576;
        for (int i = 0; i < 8; ++i) {
            const double r = (i < 2 || i == 4 || i == 5) ? 191 : 0;
            const double g = i < 4 ? 191 : 0;
            const double b = i % 2 == 0 && i < 7 ? 191 : 0;
            const double y = 0.299 * r + 0.587 * g + 0.114 * b;
            const double expected[3] = {16 + 219 * y / 255, 128 + 224 * (b - y) / (1.772 * 255),
                                        128 + 224 * (r - y) / (1.402 * 255)};
            const std::size_t at = 288 * 720 + (i * 90 + 45);
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(static_cast<unsigned char>(p.bytes[c * plane + at]), expected[c], 3)
                    << "bar " << i << " component " << c;
        }
    }
    const Probe probe = ProbeFile(folder / "bars.vob");
    ASSERT_EQ(probe.video.size(), 1u);
    EXPECT_EQ(probe.video[0]["color_space"].toString().toStdString(), "bt470bg");
    EXPECT_EQ(probe.video[0]["color_primaries"].toString().toStdString(), "bt470bg");
    EXPECT_EQ(probe.video[0]["color_range"].toString().toStdString(), "tv");
}

}  // namespace

namespace {

// The first column brighter than mid-grey in row y; -1 when none.
int BrightFrom(const Picture& p, int y) {
    for (int x = 0; x < p.width; ++x)
        if (p.At(x, y) > 128)
            return x;
    return -1;
}

// A white bar moving 16 columns a field, as 576i with the bottom field first,
// in a file that does not say it is interlaced (its pictures show it).
TEST(EngineInterlace, FieldsKeptOnPalAndMadeWholeBeforeScalingForNtsc) {
    testsupport::TempFolder folder;
    const std::string source = folder / "fields.avi";
    ASSERT_TRUE(MakeClip(source, {"-f", "lavfi", "-i",
                                  "color=black:s=720x576:r=50:d=2[bg];color=white:s=40x576:r=50[b];"
                                  "[bg][b]overlay=x='mod(n*16,640)':shortest=1,"
                                  "interlace=scan=bff,setsar=16/15",
                                  "-c:v", "mpeg4", "-q:v", "2"}));

    // PAL 4:3: the same size and rate, so the fields stay as they are,
    // encoded interlaced with the bottom field first.
    const std::string pal = folder / "pal.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{true, false, 8000}, source, pal, 0)), 0);
    const Probe probe = ProbeFile(pal);
    ASSERT_EQ(probe.video.size(), 1u);
    EXPECT_EQ(probe.video[0]["field_order"].toString().toStdString(), "bb");
    Picture p = DecodePicture(pal, 720, 576, 10);
    ASSERT_FALSE(p.bytes.empty());
    EXPECT_NEAR(std::abs(BrightFrom(p, 288) - BrightFrom(p, 289)), 16, 3);

    // NTSC: scaled to 480 lines at another rate, from whole pictures: every
    // row shows the bar at the same place (a blend of fields would not). The
    // same for 1080i marked top field first, letterboxed on a 4:3 disc.
    const std::string hd = folder / "fields_hd.mkv";
    ASSERT_TRUE(MakeClip(hd, {"-f", "lavfi", "-i",
                              "color=black:s=1920x1080:r=50:d=2[bg];color=white:s=100x1080:r=50[b];"
                              "[bg][b]overlay=x='mod(n*40,1800)':shortest=1,interlace=scan=tff",
                              "-c:v", "mpeg4", "-q:v", "2", "-field_order", "tt"}));
    for (const std::string& interlaced : {source, hd}) {
        const std::string ntsc = interlaced + ".ntsc.vob";
        ASSERT_EQ(RunEngine(ConversionText(Target{false, false, 8000}, interlaced, ntsc, 0)), 0);
        for (int frame : {10, 31}) {
            p = DecodePicture(ntsc, 720, 480, frame);
            ASSERT_FALSE(p.bytes.empty());
            const int first = BrightFrom(p, 200);
            ASSERT_GE(first, 0);
            for (int y = 201; y < 280; ++y)
                ASSERT_NEAR(BrightFrom(p, y), first, 2)
                    << interlaced << " frame " << frame << " row " << y;
        }
    }
}

// Scaled or given bars at the disc's own rate, interlaced video keeps every
// field's moment: each picture is coded as two fields in the source's order,
// and the rows of one field show the bar where that field saw it.
TEST(EngineInterlace, FieldsKeptWhereScaledOrBarred) {
    testsupport::TempFolder folder;
    struct Case {
        const char* name;
        std::string clip;
        Target disc;
        const char* order;
        int step;  // columns the bar moves from one field to the next, on the disc
    };
    const std::vector<Case> cases = {
        // 576i 4:3 pillarboxed on a 16:9 disc: 16 columns scaled by 3/4.
        {"pillarboxed.avi",
         "color=black:s=720x576:r=50:d=2[bg];color=white:s=40x576:r=50[b];"
         "[bg][b]overlay=x='mod(n*16,640)':shortest=1,interlace=scan=bff,setsar=16/15",
         Target{true, true, 8000}, "bb", 12},
        // 1080i at 29.97 scaled to 480 lines: 40 columns scaled by 3/8.
        {"hd.mkv",
         "color=black:s=1920x1080:r=60000/1001:d=2[bg];color=white:s=100x1080:r=60000/1001[b];"
         "[bg][b]overlay=x='mod(n*40,1800)':shortest=1,interlace=scan=tff",
         Target{false, true, 8000}, "tt", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = folder / c.name;
        ASSERT_TRUE(MakeClip(source, {"-f", "lavfi", "-i", c.clip, "-c:v", "mpeg4", "-q:v", "2",
                                      "-field_order", c.order}));
        const std::string output = source + ".vob";
        ASSERT_EQ(RunEngine(ConversionText(c.disc, source, output, 0)), 0);
        const Probe probe = ProbeFile(output);
        ASSERT_EQ(probe.video.size(), 1u);
        EXPECT_EQ(probe.video[0]["field_order"].toString().toStdString(), c.order);
        const auto flags = testsupport::RunCommand({"ffprobe", "-v", "error", "-select_streams",
                                                    "v", "-show_entries", "frame=interlaced_frame",
                                                    "-of", "default=nw=1:nk=1", output});
        EXPECT_EQ(flags.output.find('0'), std::string::npos) << "a picture is progressive";
        const Picture p = DecodePicture(output, 720, c.disc.height(), 20);
        ASSERT_FALSE(p.bytes.empty());
        const int y = c.disc.height() / 2;
        EXPECT_NEAR(std::abs(BrightFrom(p, y) - BrightFrom(p, y + 1)), c.step, 3);
    }
}

}  // namespace

namespace {

// Film (23.976 pictures a second) with a flash and a beep at 2 s, on an NTSC
// disc: its own pictures, flagged to be shown as 3, 2, 3, 2 fields, in a
// stream that says 29.97; as long as the source, in sync, and a title
// dvdauthor and lsdvd take for a 4-second one.
TEST(EnginePulldown, FilmIsShownByRepeatedFieldsNotRepeatedPictures) {
    testsupport::TempFolder folder;
    const std::string source = folder / "film.avi";
    ASSERT_TRUE(MakeClip(
        source, {"-f", "lavfi", "-i",
                 "testsrc2=s=320x240:r=24000/1001:d=4,drawbox=enable='between(t,2,2.2)':"
                 "color=white:t=fill",
                 "-f", "lavfi", "-i", "aevalsrc='if(between(t,2,2.2),sin(2*PI*1000*t),0)':d=4",
                 "-c:v", "mpeg4", "-q:v", "3", "-c:a", "libmp3lame"}));
    const std::string output = folder / "film.vob";
    ASSERT_EQ(RunEngine(ConversionText(Target{false, false, 5000}, source, output, 0)), 0);

    const Probe probe = ProbeFile(output);
    ASSERT_TRUE(probe.ok && probe.video.size() == 1 && probe.audio.size() == 1);
    // Four coded pictures for every five shown.
    EXPECT_NEAR(Number(probe.video[0], "nb_read_packets"), 4 * 24000 / 1001.0, 1.5);
    // The sequence says 29.97 pictures a second (rate code 4).
    const auto bytes = platform::ReadFile(output);
    ASSERT_TRUE(bytes);
    const std::size_t sequence = bytes->find(std::string("\0\0\1\xB3", 4));
    ASSERT_NE(sequence, std::string::npos);
    EXPECT_EQ((*bytes)[sequence + 7] & 0x0F, 4);
    // top_field_first and repeat_pict of each picture shown, in turn (a
    // repeated field is only told in a sequence of fields).
    auto flags =
        testsupport::RunCommand({"ffprobe", "-v", "error", "-select_streams", "v", "-show_entries",
                                 "frame=top_field_first,repeat_pict", "-of", "csv=p=0", output});
    std::string cadence, expected;
    for (char c : flags.output)
        if (c == '0' || c == '1' || (c == '\n' && !cadence.empty() && cadence.back() != ' '))
            cadence += c == '\n' ? ' ' : c;
    for (int i = 0; i < Number(probe.video[0], "nb_read_packets"); ++i)
        expected += std::string(i % 4 == 0 || i % 4 == 3 ? "1" : "0") + (i % 2 == 0 ? "1 " : "0 ");
    EXPECT_EQ(cadence, expected);

    EXPECT_NEAR(FirstLoudSound(output) - FirstBrightPicture(output),
                FirstLoudSound(source) - FirstBrightPicture(source), 0.04);
    EXPECT_EQ(CheckMuxTiming(output).latePacks, 0);
    std::string log;
    ASSERT_TRUE(DvdauthorAccepts(output, folder / "dvd", false, &log)) << log;
    auto lsdvd = testsupport::RunCommand({"lsdvd", "-x", folder / "dvd"});
    EXPECT_NE(lsdvd.output.find("Length: 00:00:04.0"), std::string::npos) << lsdvd.output;
    EXPECT_NE(lsdvd.output.find("FPS: 29.97"), std::string::npos) << lsdvd.output;
}

}  // namespace
