#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/FileSystem.h"
#include "app/MadeFiles.h"
#include "pipeline/ChapterPlan.h"
#include "pipeline/EngineCall.h"
#include "pipeline/RootMenuPages.h"
#include "pipeline/Stages.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Paths.h"
#include "settings/xml.h"

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

std::function<void(CXMLAccess&)>& ProjectHook() {
    static std::function<void(CXMLAccess&)> hook;
    return hook;
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
    // last back to the title menu.
    CXMLAccess titles = Element("titles");
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
            if (chapters[i].points.size() > 1)
                vob.SetValue("chapters", ChapterTimes(chapters[i].points));
            titlePlay.AddChild(vob);
        }
        titlePlay.AddChild(Element("post", title < titleCount
                                               ? "jump title " + std::to_string(title + 1) + ";"
                                               : std::string("call vmgm menu;")));
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

void SetDvdProjectHook(std::function<void(CXMLAccess&)> hook) {
    ProjectHook() = std::move(hook);
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
    job.Log("Creating dvd image ...");
    std::string& dvdFolder = job.result.dvdFolder;
    // The folder is made here, so that a run at the same time takes another
    // one; its lock tells other runs that it is not a killed run's leftover.
    platform::FileLock authoring;
    for (int attempt = 0; attempt < 100 && !authoring.Held(); ++attempt) {
        dvdFolder = ChooseDvdFolder(job.input.workingFolder);
        const std::string folder = platform::FolderOf(dvdFolder);
        // The image written from it later goes beside it, first as a partial file.
        NoteMadeFiles(folder, {platform::FileNameOf(dvdFolder),
                               platform::FileNameOf(dvdFolder) + ".iso.part"});
        if (!platform::CreateFolder(dvdFolder)) {
            if (errno == EEXIST)
                continue;
            const std::string reason = std::strerror(errno);
            job.Fail("Can't create the DVD folder " +
                     std::exchange(dvdFolder, job.input.dvdFolder) + ": " + reason);
            return StageOutcome::Failed;
        }
        authoring = platform::FileLock::Take(dvdFolder, platform::FileLock::Wait::No,
                                             platform::FileLock::Create::No);
    }
    if (!authoring.Held()) {
        job.Fail("Can't create a DVD folder in " +
                 platform::FolderOf(std::exchange(dvdFolder, job.input.dvdFolder)));
        return StageOutcome::Failed;
    }
    NoteMadeFileDone(platform::FolderOf(dvdFolder), platform::FileNameOf(dvdFolder));
    CXMLAccess project =
        BuildDvdProject(dvdFolder, job.params, job.videos, movies, job.input.defaultSubtitle);
    if (ProjectHook())
        ProjectHook()(project);

    std::string failure;
    platform::Result<std::string> projectFile = MakeTempFile("~qor");
    if (!projectFile) {
        failure = "Can't write the DVD project: " + projectFile.error();
    } else if (const platform::Result<void> saved = SaveXMLNode(*projectFile, project, "");
               !saved) {
        failure = "Can't write the DVD project: " + saved.error();
    } else {
        EngineRun run = RunEngine(job.libraries.authoring, "author", "x*-x*" + *projectFile,
                                  "authoring_last_error");
        if (!run.Succeeded() || !platform::IsRegularFile(dvdFolder + "/VIDEO_TS/VIDEO_TS.IFO"))
            failure = "Creating the DVD folder " + dvdFolder +
                      " failed: " + (run.reason.empty() ? "no VIDEO_TS was written." : run.reason);
    }
    if (!failure.empty()) {
        platform::RemoveFolderTree(dvdFolder + "/");
        dvdFolder = job.input.dvdFolder;
        job.Fail(failure);
        return StageOutcome::Failed;
    }
    // A finished DVD folder is a result, burned or not: clearing keeps it.
    NoteKeptFolder(platform::FolderOf(dvdFolder), platform::FileNameOf(dvdFolder));
    return StageOutcome::Done;
}
