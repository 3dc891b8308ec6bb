#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "pipeline/ChapterPlan.h"
#include "pipeline/DiscAudio.h"
#include "pipeline/EngineCall.h"
#include "pipeline/MadeFiles.h"
#include "pipeline/RootMenuPages.h"
#include "pipeline/Stages.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"
#include "settings/xml.h"

using platform::FillIn;
using platform::Translate;

namespace {

CXMLAccess Element(const char* name, const std::string& text = {}) {
    return CXMLAccess(name, text);
}

CXMLAccess MenuVob(const std::string& file) {
    CXMLAccess vob = Element("vob");
    vob.SetValue("file", file);
    vob.SetValue("pause", "inf");  // a menu holds until a button is pressed
    return vob;
}

CXMLAccess VideoFormat(const JobParameters& params) {
    CXMLAccess video = Element("video");
    video.SetValue("format", params.tvStandard == 1 ? "pal" : "ntsc");
    // A 4:3 television shows a 16:9 menu whole, letterboxed: cutting it to
    // the middle (pan and scan) would lose the outer thumbnails.
    if (params.aspectNum * 3 != params.aspectDen * 4)
        video.SetValue("widescreen", "nopanscan");
    return video;
}

// The register holding the video (from 1) whose end called the root menu;
// 0 when the menu was reached otherwise.
constexpr const char* kReturnedVideo = "g1";

// The root menu page's commands before it shows, returning from a video: the
// first page passes the call on to the page that holds the video's button,
// and that page highlights the button. The register is cleared, so that a
// later way to the menu (the title menu, Previous) is not taken for a return.
std::string ReturnedVideoCommands(const std::vector<RootMenuPage>& pages, std::size_t p) {
    const std::string video = kReturnedVideo;
    std::string commands;
    if (p == 0)
        for (std::size_t later = pages.size(); later-- > 1;)
            commands += "if (" + video + " gt " + std::to_string(pages[later].firstVideo) +
                        ") jump menu " + std::to_string(later + 1) + "; ";
    for (std::size_t i = 0; i < pages[p].videoCount; ++i)
        commands += "if (" + video + " eq " + std::to_string(pages[p].firstVideo + i + 1) +
                    ") button = " + std::to_string((i + 1) * 1024) + "; ";
    return commands + video + " = 0;";
}

}  // namespace

CXMLAccess BuildDvdProject(const std::string& dest, const JobParameters& params,
                           const MediaList& list, const MenuMovies& movies,
                           const std::string& defaultSubtitle) {
    // The title menu: play the title, or go to the root menu.
    CXMLAccess titlePgc = Element("pgc");
    titlePgc.SetValue("entry", "title");
    titlePgc.AddChild(MenuVob(movies.titleMovie));
    titlePgc.AddChild(Element("button", "jump title 1;"));
    titlePgc.AddChild(Element("button", "jump titleset 1 menu;"));
    CXMLAccess vmgmMenus = Element("menus");
    vmgmMenus.AddChild(VideoFormat(params));
    vmgmMenus.AddChild(titlePgc);
    CXMLAccess vmgm = Element("vmgm");
    vmgm.AddChild(vmgmMenus);

    std::vector<double> durations;
    for (const MediaItem& item : list)
        durations.push_back(item.info.duration);
    const std::vector<VideoChapters> chapters = PlanChapters(durations, params.chapterMinutes);

    // The root menu: one button per video, each jumping to its first chapter;
    // when the videos need several pages, Previous/Next buttons turn them.
    CXMLAccess titlesetMenus = Element("menus");
    titlesetMenus.AddChild(VideoFormat(params));
    const std::vector<RootMenuPage> pages = PlanRootMenuPages(list.size());
    for (std::size_t p = 0; p < pages.size() && p < movies.rootMovies.size(); ++p) {
        const RootMenuPage& page = pages[p];
        CXMLAccess rootPgc = Element("pgc");
        if (p == 0)
            rootPgc.SetValue("entry", "root");
        if (params.returnToMenu)
            rootPgc.AddChild(Element("pre", ReturnedVideoCommands(pages, p)));
        rootPgc.AddChild(MenuVob(movies.rootMovies[p]));
        for (std::size_t i = 0; i < page.videoCount && page.firstVideo + i < chapters.size(); ++i) {
            const VideoChapters& video = chapters[page.firstVideo + i];
            rootPgc.AddChild(Element("button", "jump title " + std::to_string(video.title) +
                                                   " chapter " +
                                                   std::to_string(video.firstChapter) + ";"));
        }
        if (page.hasPrevious)
            rootPgc.AddChild(Element("button", "jump menu " + std::to_string(p) + ";"));
        if (page.hasNext)
            rootPgc.AddChild(Element("button", "jump menu " + std::to_string(p + 2) + ";"));
        rootPgc.AddChild(Element("button", "jump vmgm menu entry title;"));
        titlesetMenus.AddChild(rootPgc);
    }

    // The videos in order, with a chapter every so many minutes, in as many
    // titles as their chapters need; each title goes on to the next, the
    // last back to the title menu. Returning to the menu, the last cell of
    // each video notes the video (one instruction, as a cell's command must
    // be) and goes to the title's end, which calls the root menu.
    CXMLAccess titles = Element("titles");
    // The stream table of the sound tracks every video was given, each
    // named by its language.
    for (const std::string& language :
         DiscAudioLanguages(list, params.audioTracks, params.audioLanguage)) {
        CXMLAccess audio = Element("audio");
        if (!language.empty())
            audio.SetValue("lang", language);
        titles.AddChild(audio);
    }
    // The subtitles' streams, none shown unless a cue is forced or a
    // language is chosen to show.
    for (const std::string& language : SubpictureLanguages(list)) {
        CXMLAccess subpicture = Element("subpicture");
        if (!language.empty())
            subpicture.SetValue("lang", language);
        titles.AddChild(subpicture);
    }
    const int titleCount = chapters.empty() ? 1 : chapters.back().title;
    for (int title = 1; title <= titleCount; ++title) {
        CXMLAccess titlePlay = Element("pgc");
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (chapters[i].title != title)
                continue;
            if (const int shown = SubpictureStreamOf(list[i], defaultSubtitle);
                shown >= 0 && titlePlay.children.empty())
                titlePlay.AddChild(Element("pre", "subtitle=" + std::to_string(64 + shown) + ";"));
            CXMLAccess vob = Element("vob");
            vob.SetValue("file",
                         list[i].subtitledPath.empty() ? list[i].vobPath : list[i].subtitledPath);
            if (params.returnToMenu) {
                const std::vector<double>& points = chapters[i].points;
                for (std::size_t c = 0; c < points.size(); ++c) {
                    CXMLAccess cell =
                        Element("cell", c + 1 < points.size()
                                            ? std::string()
                                            : "{ " + std::string(kReturnedVideo) + " = " +
                                                  std::to_string(i + 1) + "; jump pgc tail; }");
                    cell.SetValue("start", ChapterTimes({points[c]}));
                    if (c + 1 < points.size())  // else to the end of the video
                        cell.SetValue("end", ChapterTimes({points[c + 1]}));
                    cell.SetValue("chapter", "1");
                    vob.AddChild(cell);
                }
            } else if (chapters[i].points.size() > 1) {
                vob.SetValue("chapters", ChapterTimes(chapters[i].points));
            }
            titlePlay.AddChild(vob);
        }
        std::string post = "call vmgm menu;";
        if (params.returnToMenu)
            post = "call menu entry root;";
        else if (title < titleCount)
            post = "jump title " + std::to_string(title + 1) + ";";
        titlePlay.AddChild(Element("post", post));
        titles.AddChild(titlePlay);
    }

    CXMLAccess titleset = Element("titleset");
    titleset.AddChild(titlesetMenus);
    titleset.AddChild(titles);

    CXMLAccess root = Element("dvdauthor");
    root.SetValue("dest", dest);
    root.AddChild(vmgm);
    root.AddChild(titleset);
    return root;
}

std::string ChooseDvdFolder(const std::string& workingFolder) {
    std::string folder = workingFolder + "DVD_1";
    while (platform::PathExists(folder)) {
        auto underscore = folder.rfind('_');
        long number = std::strtol(folder.c_str() + underscore + 1, nullptr, 10);
        folder = workingFolder + "DVD_" + std::to_string(number + 1);
    }
    return folder;
}

StageOutcome AuthorDvdFolder(JobContext& job, const MenuMovies& movies) {
    return AuthorDvdFolder(job, [&job, &movies](const std::string& dest) {
        return BuildDvdProject(dest, job.params, job.videos, movies, job.input.defaultSubtitle);
    });
}

StageOutcome AuthorDvdFolder(JobContext& job,
                             const std::function<CXMLAccess(const std::string&)>& makeProject) {
    job.Log(Translate("AuthoringJob", "Creating dvd image ..."));
    std::string& dvdFolder = job.result.dvdFolder;
    // The folder is made here, so that a run at the same time takes another
    // one; its lock tells other runs that it is not a killed run's leftover.
    platform::FileLock authoring;
    for (int attempt = 0; attempt < 100 && !authoring.Held(); ++attempt) {
        dvdFolder = ChooseDvdFolder(job.input.workingFolder);
        const std::string folder = platform::FolderOf(dvdFolder);
        // The image written from it later goes beside it, first as a partial
        // file. Unnoted, they are only left behind after a crash: no failure.
        static_cast<void>(NoteMadeFiles(folder, {platform::FileNameOf(dvdFolder),
                                                 platform::FileNameOf(dvdFolder) + ".iso.part"}));
        if (!platform::CreateFolder(dvdFolder)) {
            if (errno == EEXIST)
                continue;
            const std::string reason = std::strerror(errno);
            job.Fail(FillIn(Translate("AuthoringJob", "Can't create the DVD folder %1: %2"),
                            {std::exchange(dvdFolder, job.input.dvdFolder), reason}));
            return StageOutcome::Failed;
        }
        authoring = platform::FileLock::Take(dvdFolder, platform::FileLock::Wait::No,
                                             platform::FileLock::Create::No);
    }
    if (!authoring.Held()) {
        job.Fail(FillIn(Translate("AuthoringJob", "Can't create a DVD folder in %1"),
                        {platform::FolderOf(std::exchange(dvdFolder, job.input.dvdFolder))}));
        return StageOutcome::Failed;
    }
    NoteMadeFileDone(platform::FolderOf(dvdFolder), platform::FileNameOf(dvdFolder));
    const CXMLAccess project = makeProject(dvdFolder);

    std::string failure;
    platform::Result<std::string> projectFile = platform::MakeTempFile("~qor");
    if (!projectFile) {
        failure = FillIn(Translate("AuthoringJob", "Can't write the DVD project: %1"),
                         {projectFile.error()});
    } else if (const platform::Result<void> saved = SaveXMLNode(*projectFile, project, "");
               !saved) {
        failure =
            FillIn(Translate("AuthoringJob", "Can't write the DVD project: %1"), {saved.error()});
    } else {
        EngineRun run = RunEngine(job.libraries.authoring, "author", "x*-x*" + *projectFile,
                                  "authoring_last_error");
        if (!run.Succeeded() || !platform::IsRegularFile(dvdFolder + "/VIDEO_TS/VIDEO_TS.IFO"))
            failure = FillIn(Translate("AuthoringJob", "Creating the DVD folder %1 failed: %2"),
                             {dvdFolder, run.reason.empty()
                                             ? Translate("AuthoringJob", "no VIDEO_TS was written.")
                                             : run.reason});
    }
    if (!failure.empty()) {
        static_cast<void>(platform::RemoveFolderTree(dvdFolder + "/"));
        dvdFolder = job.input.dvdFolder;
        job.Fail(failure);
        return StageOutcome::Failed;
    }
    // A finished DVD folder is a result, burned or not: clearing keeps it.
    NoteKeptFolder(platform::FolderOf(dvdFolder), platform::FileNameOf(dvdFolder));
    return StageOutcome::Done;
}
