// Videos with several sound tracks: every track reaches the disc with its
// language, and a video with fewer tracks still plays in the same title.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "media/AudioTracks.h"
#include "pipeline/DiscAudio.h"
#include "pipeline/JobFixture.h"
#include "pipeline/Stages.h"
#include "support/DvdWalk.h"

using testsupport::DvdDomain;
using testsupport::DvdWalk;

namespace {

int AudioStreamsOf(const std::string& vob) {
    auto probe =
        testsupport::RunCommand({"ffprobe", "-v", "error", "-select_streams", "a", "-show_entries",
                                 "stream=codec_name", "-of", "csv=p=0", vob});
    int ac3 = 0;
    for (std::size_t at = probe.output.find("ac3"); at != std::string::npos;
         at = probe.output.find("ac3", at + 1))
        ++ac3;
    return ac3;
}

SubtitleTrack InLanguage(const char* code) {
    SubtitleTrack track;
    track.language = code;
    return track;
}

}  // namespace

class AudioTracks : public JobFixture {};

TEST_F(AudioTracks, EveryTrackWithItsLanguageAndFewerTracksPadded) {
    const std::string two = Media("two.mkv");
    ASSERT_TRUE(testsupport::MakeEnglishFrenchClip(two, 2));
    const std::string one = MakeTestClip("one.avi", 2);  // one untagged track
    App().theOptions.SetValue(keys::AUDIO_LANGUAGE, "de");
    AddVideos({two, one});

    RecordingJobEvents events;
    const JobResult result = RunJob(events, JobChoices{.flags = JOB_CONVERT | JOB_MENUS});
    ASSERT_TRUE(events.Errors().empty()) << events.Errors().front();
    ASSERT_EQ(result.outcome, JobOutcome::Done);

    auto lsdvd = testsupport::RunCommand({"lsdvd", "-a", result.dvdFolder});
    ASSERT_EQ(lsdvd.status, 0) << lsdvd.output;
    EXPECT_TRUE(Contains(lsdvd.output, "Audio streams: 02")) << lsdvd.output;
    EXPECT_TRUE(Contains(lsdvd.output, "Audio: 1, Language: en")) << lsdvd.output;
    EXPECT_TRUE(Contains(lsdvd.output, "Audio: 2, Language: fr")) << lsdvd.output;
    // The one-track video was given a silent second track, so that the
    // stream table holds throughout the title.
    ASSERT_EQ(result.videos.size(), 2u);
    EXPECT_EQ(AudioStreamsOf(result.videos[0].vobPath), 2);
    EXPECT_EQ(AudioStreamsOf(result.videos[1].vobPath), 2);

    auto walkOpened = DvdWalk::Open(result.dvdFolder);
    ASSERT_TRUE(walkOpened) << walkOpened.error();
    auto walk = std::move(*walkOpened);
    walk->Settle();
    ASSERT_EQ(walk->Press(1).domain, DvdDomain::Title) << walk->Current().ToString();
    EXPECT_EQ(walk->AudioStreams(), (std::vector<std::string>{"en", "fr"}));
}

// Untagged tracks are named in the user's language as the program's texts
// are: the LANGUAGE priority list before the locale, except in the C locale.
TEST(UntaggedAudio, TheLanguageListComesBeforeTheLocaleOutsideC) {
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        unsetenv(name);
    }
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LANGUAGE", "fr_CA:de", 1);
    EXPECT_EQ(LocaleLanguage(), "fr");
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(LocaleLanguage(), "");
    for (const auto& [name, value] : saved) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
}

// One stream table of each kind serves every video: a stream the videos name
// in different languages is named by none rather than by the first video's.
TEST(StreamTables, AStreamTheVideosNameDifferentlyIsNamedByNone) {
    MediaList list(3);
    list[0].audioTracks = {{0, "en"}, {1, "fr"}};
    list[1].audioTracks = {{0, "de"}};
    list[2].audioTracks = {{0, ""}, {1, "fr"}};
    EXPECT_EQ(DiscAudioLanguages(list, 2, "it"), (std::vector<std::string>{"", "fr"}));
    for (MediaItem& item : list)
        item.subtitledPath = "subtitled.vob";
    list[0].subtitles = {InLanguage("en"), InLanguage("fr")};
    list[1].subtitles = {InLanguage("de")};
    list[2].subtitles = {InLanguage(""), InLanguage("fr")};
    EXPECT_EQ(SubpictureLanguages(list), (std::vector<std::string>{"", "fr"}));
}
