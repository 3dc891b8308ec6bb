#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "engines/MenuPicture.h"
#include "media/Pictures.h"
#include "pipeline/DiscTitle.h"
#include "pipeline/EngineCall.h"
#include "pipeline/MenuPictures.h"
#include "pipeline/RootMenuPages.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"
#include "settings/xml.h"

namespace {

constexpr std::size_t kMaxMenuButtons = 12;

// A new temp file's path.
platform::Result<std::string> Temp() {
    platform::Result<std::string> file = platform::MakeTempFile("~qor");
    if (!file)
        return platform::Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't make a temporary file: %1"), {file.error()}));
    return file;
}

// The still encoder reads BMP and JPEG pictures: the stage's own canvases.
bool IsMenuPictureType(const std::string& type) {
    return type == "bmp" || type == "jpg" || type == "jpeg";
}

std::string ExtensionOf(const std::string& path) {
    std::string name = platform::FileNameOf(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

}  // namespace

std::vector<GridPosition> RootMenuPositions(int width, int height, std::size_t count) {
    std::vector<GridPosition> positions;
    for (std::size_t i = 0; i < std::min(count, kMaxMenuButtons); ++i) {
        const QPoint cell = RootMenuCell(width, height, i);
        positions.push_back(GridPosition{cell.x(), cell.y()});
    }
    return positions;
}

CXMLAccess BuildSubpictureControl(const std::string& image, const std::string& select,
                                  const std::string& highlight) {
    CXMLAccess spu("spu", "");
    spu.SetValue("force", "yes");
    spu.SetValue("start", "00:00:00.00");
    spu.SetValue("image", image);
    spu.SetValue("select", select);
    spu.SetValue("highlight", highlight);
    spu.SetValue("autooutline", "infer");
    spu.SetValue("outlinewidth", "6");
    spu.SetValue("autoorder", "rows");
    CXMLAccess stream("stream", "");
    stream.AddChild(spu);
    CXMLAccess subpictures("subpictures", "");
    subpictures.AddChild(stream);
    return subpictures;
}

platform::Result<void> BuildMenuMpeg(const EngineLibraries& libraries, const JobParameters& params,
                                     const std::string& image, const std::string& highlight,
                                     const std::string& select, const std::string& background,
                                     const std::string& output) {
    using platform::Fail;
    const std::string type = ExtensionOf(background);
    if (!IsMenuPictureType(type))
        return Fail(
            platform::Translate("MenuStage", "DVD menu background only support BMP/JPG file!"));
    const platform::Result<std::string> stillBase = Temp();
    if (!stillBase)
        return stillBase.failure();
    const std::string still = *stillBase + ".m2v";

    char command[4096];
    const char* b = background.c_str();
    int n = std::snprintf(
        command, sizeof command,
        "xencoder*mf://%s,%s,%s,%s,%s,%s*-mf*w=%d:h=%d:fps=%d/%d:type=%s*-oac*lavc*-ovc*lavc*-of*"
        "mpeg*-mpegopts*format=dvd:tsaf*-vf*scale=%d:%d,harddup*-srate*48000*-af*lavcresample="
        "48000*-lavcopts*vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=9800:vbitrate=5000:"
        "keyint=18:vstrict=0:acodec=ac3:abitrate=192:aspect=%d/%d*-ofps*%d/%d*-o*%s",
        b, b, b, b, b, b, params.width, params.height, params.fpsNum, params.fpsDen, type.c_str(),
        params.width, params.height, params.aspectNum, params.aspectDen, params.fpsNum,
        params.fpsDen, still.c_str());
    if (n < 0 || n >= static_cast<int>(sizeof command))
        return Fail(platform::FillIn(
            platform::Translate("MenuStage", "The menu picture path is too long: %1"),
            {background}));
    EngineRun encode = RunEngine(libraries.engine, "me_start", command, "me_last_error");
    if (!encode.Succeeded() || platform::FileSize(still) <= 0)
        return Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't encode the menu picture %1: %2"),
            {background, encode.reason}));

    const platform::Result<std::string> control = Temp();
    if (!control)
        return control.failure();
    if (const platform::Result<void> saved =
            SaveXMLNode(*control, BuildSubpictureControl(image, select, highlight), "");
        !saved)
        return Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't write the menu button description: %1"),
            {saved.error()}));
    const std::string multiplex = "spumux.exe*" + *control + "*-i*" + still + "*-o*" + output;
    EngineRun buttons = RunEngine(libraries.authoring, "subgen", multiplex, "authoring_last_error");
    if (!buttons.Succeeded() || platform::FileSize(output) <= 0)
        return Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't add the menu buttons: %1"), {buttons.reason}));
    return {};
}

namespace {

// One root-menu page: its picture (thumbnails and page tiles on the canvas),
// its button overlays and its menu movie.
platform::Result<void> MakeRootPage(const JobContext& job, const MediaList& list,
                                    const std::vector<std::string>& names, const RootMenuPage& page,
                                    const std::string& canvas, const std::string& movie) {
    const JobParameters& params = job.params;
    const platform::Result<std::string> compositeBase = Temp();
    if (!compositeBase)
        return compositeBase.failure();
    const std::string composite = *compositeBase + ".bmp";
    std::vector<ButtonPosition> positions;
    const QImage surface =
        DrawRootMenuPage(LoadPicture(canvas), list, names, page, params, positions);
    auto bitmap = CopySurfaceToBitmap(surface, QRect(0, 0, params.width, params.height));
    const platform::Result<void> saved =
        bitmap ? SaveBitmapAsBmp(*bitmap, composite)
               : platform::Fail(platform::Translate("MenuStage", "the picture could not be drawn"));
    if (!saved)
        return platform::Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't write the root menu picture %1: %2"),
            {composite, saved.error()}));
    // One frame per button, drawn from the installed frame picture.
    const platform::Result<std::string> overlays = Temp();
    if (!overlays)
        return overlays.failure();
    if (auto drawn = MakeRootMenuOverlays(job.input.programFolder, positions, params, *overlays);
        !drawn)
        return drawn;
    return BuildMenuMpeg(job.libraries, params, *overlays + "_normal.png", *overlays + "_hover.png",
                         *overlays + "_select.png", composite, movie);
}

// The title menu's picture: its canvas, with the disc's title drawn in the
// band when there is one (then a BMP); else the canvas itself.
platform::Result<std::string> MakeTitlePicture(const JobContext& job, const std::string& canvas) {
    if (job.input.discTitle.empty())
        return canvas;
    const QImage loaded = LoadPicture(canvas);
    if (loaded.isNull())
        return platform::Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't read the title menu picture %1"), {canvas}));
    bool titled = false;
    const QImage surface = DrawTitleMenu(loaded, job.input.discTitle, job.params, titled);
    if (!titled)
        return canvas;
    const platform::Result<std::string> base = Temp();
    if (!base)
        return base.failure();
    if (const platform::Result<void> saved = SaveBitmapAsBmp(surface, *base + "title.bmp"); !saved)
        return platform::Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't write the title menu picture %1: %2"),
            {*base + "title.bmp", saved.error()}));
    return *base + "title.bmp";
}

}  // namespace

platform::Result<void> MakeMenuMovies(const JobContext& job, const MediaList& videos,
                                      MenuMovies& movies, const std::function<bool()>& stop) {
    const std::string& folder = job.input.programFolder;
    const int W = job.params.width;
    const int H = job.params.height;
    movies = {};
    // A making that fails or is stopped leaves no menu movie behind.
    const auto fail = [&movies](platform::Failure failure) -> platform::Result<void> {
        RemoveMenuMovies(movies);
        return failure;
    };
    const auto stopped = [&] { return stop && stop(); };
    const platform::Failure stoppedFailure = platform::Fail("stopped");

    const platform::Result<std::string> rootCanvasBase = Temp();
    if (!rootCanvasBase)
        return fail(rootCanvasBase.failure());
    const std::string rootCanvas = *rootCanvasBase + "root_background.jpg";
    if (auto made = MakeMenuCanvas(job.input.rootMenuBackground, rootCanvas, W, H); !made)
        return fail(made.failure());
    if (stopped())
        return fail(stoppedFailure);

    // The title menu: its background, the disc's title and the installed
    // Play/Chapters buttons.
    const platform::Result<std::string> titleMovieBase = Temp();
    if (!titleMovieBase)
        return fail(titleMovieBase.failure());
    const platform::Result<std::string> titleCanvasBase = Temp();
    if (!titleCanvasBase)
        return fail(titleCanvasBase.failure());
    movies.titleMovie = *titleMovieBase + "title.mpg";
    const std::string titleCanvas = *titleCanvasBase + "title_background.jpg";
    if (auto made = MakeMenuCanvas(job.input.titleMenuBackground, titleCanvas, W, H); !made)
        return fail(made.failure());
    if (stopped())
        return fail(stoppedFailure);
    const platform::Result<std::string> titlePicture = MakeTitlePicture(job, titleCanvas);
    if (!titlePicture)
        return fail(titlePicture.failure());
    if (auto built =
            BuildMenuMpeg(job.libraries, job.params, folder + "title_menu_normal.png",
                          folder + "title_menu_hover.png", folder + "title_menu_select.png",
                          *titlePicture, movies.titleMovie);
        !built)
        return fail(built.failure());

    // The root menu: a grid of thumbnails, one button per video, page by page.
    const std::vector<std::string> names = VideoNames(videos);
    for (const RootMenuPage& page : PlanRootMenuPages(videos.size())) {
        const platform::Result<std::string> movieBase = Temp();
        if (!movieBase)
            return fail(movieBase.failure());
        if (stopped())
            return fail(stoppedFailure);
        movies.rootMovies.push_back(*movieBase + "root.mpg");
        if (auto made =
                MakeRootPage(job, videos, names, page, rootCanvas, movies.rootMovies.back());
            !made)
            return fail(made.failure());
    }
    return {};
}

void RemoveMenuMovies(const MenuMovies& movies) {
    if (!movies.titleMovie.empty())
        platform::RemoveFile(movies.titleMovie);
    for (const std::string& movie : movies.rootMovies)
        platform::RemoveFile(movie);
}
