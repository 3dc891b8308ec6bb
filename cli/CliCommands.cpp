#include "cli/CliCommands.h"

#include <algorithm>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/ProjectFile.h"
#include "app/QuorvaApp.h"
#include "cli/CliSession.h"
#include "components/burner/VolumeLabel.h"
#include "components/discchecker/DiscChecker.h"
#include "engines/DiscBurner.h"
#include "engines/EngineLibraries.h"
#include "media/Estimate.h"
#include "media/Probe.h"
#include "media/ReadMediaFiles.h"
#include "pipeline/AuthoringJob.h"
#include "pipeline/DiscAudio.h"
#include "pipeline/DroppedSubtitles.h"
#include "pipeline/JobChecks.h"
#include "platform/DynamicLibrary.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Translation.h"
#include "settings/Options.h"

using platform::FillIn;
using platform::Translate;

namespace {

constexpr int kStatusFailed = 1;
constexpr int kStatusUsage = 2;

std::string Label(const CliOptions& options) {
    return options.label ? *options.label : App().theOptions.GetValue(keys::DVD_DISC_VOLUME);
}

// The same check as a job's: the label's bytes (UTF-8) are counted.
bool CheckLabel(const std::string& label) {
    const platform::Result<void> checked = burner::CheckVolumeLabel(label);
    if (!checked)
        std::fprintf(stderr, "quorva-cli: %s\n", checked.error().c_str());
    return checked.ok();
}

// path as messages show it: one far longer than any real path (a project
// may name one of megabytes) keeps its start and end and says its length.
std::string Shown(const std::string& path) {
    constexpr std::size_t kLongest = 1024, kKept = 480;
    if (path.size() <= kLongest)
        return path;
    // Cut between characters, never inside one's UTF-8 bytes.
    const auto boundary = [&path](std::size_t at) {
        while (at > 0 && (static_cast<unsigned char>(path[at]) & 0xc0) == 0x80)
            --at;
        return at;
    };
    return path.substr(0, boundary(kKept)) + "..." + path.substr(boundary(path.size() - kKept)) +
           " (a path of " + std::to_string(path.size()) + " bytes)";
}

// True when nothing is at path. A path that cannot be reached (a folder
// without permission, a loop of links) is not called missing: the probe says
// why it cannot be read.
bool Missing(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

// Probes the videos, several at once, and lists them in the order given, as
// the add-video page does; every video that cannot be used gives one problem.
std::vector<std::string> ProbeVideos(const std::vector<std::string>& videos) {
    CQuorvaApp& app = App();
    MediaList& list = app.theMediaList;
    list.clear();
    std::vector<std::string> paths;
    for (const std::string& given : videos)
        paths.push_back(platform::AbsolutePath(given));
    std::vector<std::string> existing;
    for (const std::string& video : paths)
        if (!Missing(video))
            existing.push_back(video);
    std::vector<ProbeResult> read;
    ReadMediaFiles(existing, app.theProgramFolder,
                   static_cast<std::size_t>(platform::UsableCores()), CliSession::Interrupted,
                   [&](std::size_t, ProbeResult&& result) { read.push_back(std::move(result)); });

    std::vector<std::string> problems;
    std::size_t next = 0;
    for (const std::string& video : paths) {
        if (Missing(video)) {
            problems.push_back(
                FillIn(Translate("quorva-cli", "no such video file: %1"), {Shown(video)}));
            continue;
        }
        if (next >= read.size())
            break;  // interrupted
        ProbeResult& probe = read[next++];
        if (!probe.error.empty()) {
            if (const std::size_t at = probe.error.find(video);
                at != std::string::npos && Shown(video) != video)
                probe.error.replace(at, video.size(), Shown(video));
            problems.push_back(probe.error);
            continue;
        }
        NameMediaItem(probe.item, app.theOptions.GetValue(keys::WORKING_FOLDER),
                      app.TakeRunningNumber());
        std::printf("%s\n", FillIn(Translate("quorva-cli", "Added %1 (%2)"),
                                   {video, FormatPlayTime(probe.item.info.duration)})
                                .c_str());
        list.push_back(probe.item);
    }
    return problems;
}

// Keeps the subtitles of the languages chosen (with --subtitles; else those
// a project did not drop), the others being marked dropped so that a saved
// project keeps the choice; a subtitle kept that cannot be read fails the run
// unless the user chose to leave such ones out.
bool ChooseSubtitles(const CliOptions& options) {
    bool usable = true;
    for (MediaItem& item : App().theMediaList) {
        for (SubtitleTrack& track : item.subtitles) {
            if (options.subtitleLanguages)
                track.kept =
                    std::find(options.subtitleLanguages->begin(), options.subtitleLanguages->end(),
                              track.language) != options.subtitleLanguages->end();
            if (track.kept && !track.problem.empty()) {
                std::fprintf(stderr, "quorva-cli: %s\n", track.problem.c_str());
                if (options.skipBadSubtitles)
                    track.kept = false;
                else
                    usable = false;
            }
        }
    }
    if (!usable)
        std::fprintf(stderr,
                     "quorva-cli: use --skip-bad-subtitles to make the disc without them.\n");
    return usable;
}

// With the videos' problems, all else the job would refuse at its start, so
// that one message names everything to mend.
void AddJobProblems(std::vector<std::string>& problems, const std::string& label, bool burn,
                    bool image, int discType) {
    CXMLAccess& options = App().theOptions;
    JobInputs inputs;
    inputs.menuBackgrounds = {options.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU),
                              options.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU)};
    if (burn)
        inputs.volumeLabel = label;
    inputs.workingFolder = options.GetValue(keys::WORKING_FOLDER);
    const MediaList& list = App().theMediaList;
    const JobParameters params = DeriveJobParameters(options, list, discType);
    inputs.neededMB = WorkingSpaceMB(list, list, true, params.videoBitRate, image);
    std::vector<std::string> more = CheckJobInputs(inputs);
    problems.insert(problems.end(), more.begin(), more.end());
}

// Prints the estimate; false when it does not fit and --force was not given.
bool CheckEstimate(const CliOptions& options) {
    const DiscType& disc = DiscTypeAt(options.discType);
    const int quality = ReadIntOption(App().theOptions, keys::VIDEO_QUALITY_MODE);
    const int kbps = VideoKbpsFor(quality, App().theMediaList, disc);
    const double estimate = EstimateDiscUsageMB(App().theMediaList, kbps);
    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%.0f", estimate);
    std::printf(
        "%s\n",
        FillIn(Translate("quorva-cli",
                         "Estimated size: %1 MB of %2 MB on a %3 disc (video at %4 kbit/s)"),
               {megabytes, std::to_string(disc.limitMB), disc.name, std::to_string(kbps)})
            .c_str());
    if (estimate <= disc.limitMB)
        return true;
    std::fprintf(stderr, "%s %s\n",
                 FillIn(Translate("quorva-cli", "A %1 disc should not greater than %2 MB."),
                        {disc.name, std::to_string(disc.limitMB)})
                     .c_str(),
                 options.force ? Translate("quorva-cli", "Going on (--force).").c_str()
                               : Translate("quorva-cli", "Use --force to make it anyway.").c_str());
    return options.force;
}

void PrintCheckLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
}

// The check after burning and the burn speed, for this run only.
void ApplyCheckChoice(const CliOptions& options) {
    if (!options.checkAfterBurn)
        App().theOptions.SetValue(keys::CHECK_DISC_AFTER_BURN, "0");
    if (options.speed)
        App().theOptions.SetIntValue(keys::BURN_SPEED, *options.speed);
}

// Where --save-project saves: the name given, with ".quorva" added when it
// ends otherwise. Empty, after saying why, when what stands there is not for
// a project to replace: a file that is not a project (unless --force), or
// anything that is not a regular file.
std::string ProjectSavePath(const CliOptions& options) {
    std::string file = WithProjectExtension(platform::AbsolutePath(*options.saveProject));
    switch (InspectSaveTarget(file)) {
        case SaveTarget::Free:
        case SaveTarget::Project:
            return file;
        case SaveTarget::OtherFile:
            if (options.force)
                return file;
            std::fprintf(
                stderr, "quorva-cli: %s\n",
                FillIn(Translate("quorva-cli",
                                 "%1 is not a Quorva project and is left as it is; use --force "
                                 "to replace it."),
                       {file})
                    .c_str());
            return {};
        case SaveTarget::NotAFile:
            break;
    }
    std::fprintf(stderr, "quorva-cli: %s\n",
                 FillIn(Translate("quorva-cli",
                                  "the project cannot be saved as %1: it is not a regular file."),
                        {file})
                     .c_str());
    return {};
}

}  // namespace

int RunMakeCommand(const CliOptions& given, const char* programName) {
    CliSession session;
    if (!session.Start())
        return kStatusFailed;
    session.StartTextDrawing(programName);
    CliOptions options = given;
    std::vector<std::vector<int>> droppedAudio;  // a project's, by video
    std::vector<std::vector<int>> droppedSubtitles;
    // The engine reads it when it first runs, below.
    if (options.verbose)
        setenv("QUORVA_DEBUG", "1", 1);
    // Refused before anything is read or converted.
    if (options.saveProject && ProjectSavePath(options).empty())
        return kStatusFailed;
    // A project gives the videos, their names and the settings; the command
    // line's win.
    std::vector<std::string> names;
    if (options.inputs.size() == 1 && IsProjectFile(options.inputs.front())) {
        platform::Result<Project> project = LoadProject(options.inputs.front());
        if (!project) {
            std::fprintf(stderr, "quorva-cli: %s\n", project.error().c_str());
            return kStatusFailed;
        }
        if (const std::string later = LaterVersionNotice(*project, options.inputs.front());
            !later.empty())
            std::fprintf(stderr, "quorva-cli: %s\n", later.c_str());
        ApplyProjectChoices(*project, App().theOptions);
        options.inputs = project->videos;
        droppedAudio = project->droppedAudio;
        droppedSubtitles = project->droppedSubtitles;
        names = project->videoNames;
        if (!options.discTypeGiven && project->discType && *project->discType >= 0 &&
            *project->discType <= 1)
            options.discType = *project->discType;
        if (options.inputs.empty()) {
            std::fprintf(stderr, "quorva-cli: %s\n",
                         FillIn(Translate("quorva-cli", "the project %1 has no video."),
                                {given.inputs.front()})
                             .c_str());
            return kStatusUsage;
        }
    }
    session.ApplyOverrides(options);
    const std::string label = Label(options);
    const bool burn = options.iso || options.device.has_value();
    int device = -1;
    if (burn) {
        session.StartBurner();
        const platform::Result<int> chosen = session.ChooseDevice(options);
        if (!chosen || *chosen < 0) {
            std::fprintf(stderr, "quorva-cli: %s\n", chosen.error().c_str());
            return kStatusUsage;
        }
        device = *chosen;
    }
    // Loaded once, from reading the videos to the end of the job: loading the
    // engine and the libraries it needs takes longer than reading a video.
    const platform::DynamicLibrary engineKept(LocateEngineLibraries(App().theProgramFolder).engine);
    std::vector<std::string> problems = ProbeVideos(options.inputs);
    session.SaveRunningNumber();
    if (CliSession::Interrupted()) {
        std::fprintf(stderr, "quorva-cli: %s\n", Translate("quorva-cli", "aborted.").c_str());
        return kStatusFailed;
    }
    if (!problems.empty()) {
        AddJobProblems(problems, label, burn, burn && session.IsImageDevice(device),
                       options.discType);
        std::fprintf(stderr, "quorva-cli: %s\n", DescribeJobProblems(problems).c_str());
        return kStatusFailed;
    }
    // The list holds the videos in the project's order.
    for (std::size_t i = 0; i < droppedAudio.size() && i < App().theMediaList.size(); ++i)
        DropAudioTracks(App().theMediaList[i], droppedAudio[i]);
    for (std::size_t i = 0; i < droppedSubtitles.size() && i < App().theMediaList.size(); ++i)
        DropSubtitles(App().theMediaList[i], droppedSubtitles[i]);
    if (options.audio) {
        const std::string untagged =
            UntaggedAudioLanguage(App().theOptions.GetValue(keys::AUDIO_LANGUAGE));
        for (MediaItem& item : App().theMediaList)
            ChooseAudioTracks(item, *options.audio, untagged);
    }
    if (!ChooseSubtitles(options))
        return kStatusFailed;
    if (options.subtitleDefault)
        session.defaultSubtitle = *options.subtitleDefault;
    if (!CheckEstimate(options))
        return kStatusFailed;
    MediaList& list = App().theMediaList;
    for (std::size_t i = 0; i < names.size() && i < list.size(); ++i)
        list[i].name = names[i];
    if (options.saveProject) {
        std::vector<std::string> videos;
        std::vector<std::vector<int>> dropped;
        droppedSubtitles.clear();
        names.clear();
        for (const MediaItem& item : list) {
            videos.push_back(item.sourcePath);
            names.push_back(item.name);
            dropped.push_back(DroppedAudioTracks(item));
            droppedSubtitles.push_back(DroppedSubtitles(item));
        }
        const std::string file = ProjectSavePath(options);
        if (file.empty())
            return kStatusFailed;
        Project project = ProjectOf(App().theOptions, videos, options.discType, names);
        project.droppedAudio = std::move(dropped);
        project.droppedSubtitles = std::move(droppedSubtitles);
        project.volumeLabel = label;
        if (platform::Result<void> saved = SaveProject(file, project); !saved) {
            std::fprintf(stderr, "quorva-cli: %s\n", saved.error().c_str());
            return kStatusFailed;
        }
        std::printf("%s\n", FillIn(Translate("quorva-cli", "Saved project %1"), {file}).c_str());
    }

    const std::uint32_t flags = JOB_CONVERT | JOB_MENUS | (burn ? std::uint32_t{JOB_BURN} : 0u);
    const bool ask = burn && !options.yes && !session.IsImageDevice(device);
    ApplyCheckChoice(options);
    if (!session.RunJob(flags, device, label, ask, options.discType))
        return kStatusFailed;  // a failed check has logged its report
    PrintCheckLines(session.CheckLines());
    if (burn && session.IsImageDevice(device))
        std::printf("%s\n", App().theBurner->LastImagePath().c_str());
    else
        std::printf("%s\n", App().theDvdFolder.c_str());
    return 0;
}

int RunBurnCommand(const CliOptions& options) {
    CliSession session;
    if (!session.Start())
        return kStatusFailed;
    const std::string label = Label(options);
    if (!CheckLabel(label))
        return kStatusUsage;
    std::string folder = platform::AbsolutePath(options.inputs.front());
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (!platform::IsRegularFile(folder + "/VIDEO_TS/VTS_01_0.IFO")) {
        std::fprintf(
            stderr, "quorva-cli: %s\n",
            FillIn(Translate("quorva-cli",
                             "%1 is not an authored DVD folder (no VIDEO_TS/VTS_01_0.IFO)."),
                   {Shown(folder)})
                .c_str());
        return kStatusFailed;
    }
    session.StartBurner();
    const platform::Result<int> chosen = session.ChooseDevice(options);
    if (!chosen || *chosen < 0) {
        std::fprintf(
            stderr, "quorva-cli: %s\n",
            chosen ? Translate("quorva-cli", "no device.").c_str() : chosen.error().c_str());
        return kStatusUsage;
    }
    const int device = *chosen;
    App().theDvdFolder = folder;
    const bool image = session.IsImageDevice(device);
    ApplyCheckChoice(options);
    if (!session.RunJob(JOB_BURN, device, label, !image && !options.yes))
        return kStatusFailed;  // a failed check has logged its report
    PrintCheckLines(session.CheckLines());
    std::printf("%s\n", image ? App().theBurner->LastImagePath().c_str() : folder.c_str());
    return 0;
}

int RunCheckCommand(const CliOptions& options) {
    std::string path = platform::AbsolutePath(options.inputs.front());
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (!platform::PathExists(path)) {
        std::fprintf(
            stderr, "quorva-cli: %s\n",
            FillIn(Translate("quorva-cli", "no such DVD folder or disc image: %1"), {Shown(path)})
                .c_str());
        return kStatusFailed;
    }
    discchecker::DiscExpectation expected;
    // The image's ISO 9660 volume id carries the label in its own letters.
    if (options.label)
        expected.volumeLabel = burner::IsoVolumeId(*options.label);
    if (options.label && platform::IsFolder(path))
        std::fprintf(stderr, "quorva-cli: %s\n",
                     Translate("quorva-cli",
                               "a DVD folder has no volume label: --label is checked on disc "
                               "images and drives only.")
                         .c_str());
    const discchecker::DiscCheckReport report = discchecker::CheckDisc(path, expected);
    std::printf("%s\n", FillIn(Translate("quorva-cli", "Disc check of %1:"), {path}).c_str());
    PrintCheckLines(report.Text());
    if (!report.AllPassed())
        return kStatusFailed;
    std::printf("%s\n", report.Summary().c_str());
    return 0;
}

int RunDevicesCommand() {
    CliSession session;
    session.StartBurner();
    auto& burner = App().theBurner;
    std::int32_t count = 0;
    burner->GetDeviceCount(&count);
    for (int i = 0; i < count; ++i) {
        char name[1024] = {};
        std::int32_t result = 0;
        burner->GetDeviceName(i, name, sizeof name, &result);
        BurnerDeviceInfo info{};
        burner->GetDeviceInfo(&info, i, &result);
        const bool image = session.IsImageDevice(i);
        const std::string note =
            image ? Translate("quorva-cli", "(no drive: writes a disc image file, as --iso does)")
            : info.CanBurn() ? Translate("quorva-cli", "(can burn DVDs)")
                             : std::string();
        const std::string shown = image && std::string_view(name) == kImageDeviceName
                                      ? platform::Translate("DiscBurner", kImageDeviceName)
                                      : std::string(name);
        std::printf("%d: %s%s%s\n", i, shown.c_str(), note.empty() ? "" : "  ", note.c_str());
    }
    return 0;
}
