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

// A new temp file's path; empty (with reason) when none can be made.
std::string Temp(std::string& reason) {
    platform::Result<std::string> file = platform::MakeTempFile("~qor");
    if (!file) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't make a temporary file: %1"), {file.error()});
        return {};
    }
    return *file;
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

bool BuildMenuMpeg(const EngineLibraries& libraries, const JobParameters& params,
                   const std::string& image, const std::string& highlight,
                   const std::string& select, const std::string& background,
                   const std::string& output, std::string& reason) {
    const std::string type = ExtensionOf(background);
    if (!IsMenuPictureType(type)) {
        reason = platform::Translate("MenuStage", "DVD menu background only support BMP/JPG file!");
        return false;
    }
    const std::string stillBase = Temp(reason);
    if (stillBase.empty())
        return false;
    const std::string still = stillBase + ".m2v";

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
    if (n < 0 || n >= static_cast<int>(sizeof command)) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "The menu picture path is too long: %1"),
            {background});
        return false;
    }
    EngineRun encode = RunEngine(libraries.engine, "me_start", command, "me_last_error");
    if (!encode.Succeeded() || platform::FileSize(still) <= 0) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't encode the menu picture %1: %2"),
            {background, encode.reason});
        return false;
    }

    const std::string control = Temp(reason);
    if (control.empty())
        return false;
    if (const platform::Result<void> saved =
            SaveXMLNode(control, BuildSubpictureControl(image, select, highlight), "");
        !saved) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't write the menu button description: %1"),
            {saved.error()});
        return false;
    }
    const std::string multiplex = "spumux.exe*" + control + "*-i*" + still + "*-o*" + output;
    EngineRun buttons = RunEngine(libraries.authoring, "subgen", multiplex, "authoring_last_error");
    if (!buttons.Succeeded() || platform::FileSize(output) <= 0) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't add the menu buttons: %1"), {buttons.reason});
        return false;
    }
    return true;
}

namespace {

// One root-menu page: its picture (thumbnails and page tiles on the canvas),
// its button overlays and its menu movie.
bool MakeRootPage(const JobContext& job, const MediaList& list,
                  const std::vector<std::string>& names, const RootMenuPage& page,
                  const std::string& canvas, const std::string& movie, std::string& reason) {
    const JobParameters& params = job.params;
    const std::string compositeBase = Temp(reason);
    if (compositeBase.empty())
        return false;
    const std::string composite = compositeBase + ".bmp";
    std::vector<ButtonPosition> positions;
    const QImage surface =
        DrawRootMenuPage(LoadPicture(canvas), list, names, page, params, positions);
    auto bitmap = CopySurfaceToBitmap(surface, QRect(0, 0, params.width, params.height));
    std::string why = platform::Translate("MenuStage", "the picture could not be drawn");
    if (!bitmap || !SaveBitmapAsBmp(*bitmap, composite, &why)) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't write the root menu picture %1: %2"),
            {composite, why});
        return false;
    }
    // One frame per button, drawn from the installed frame picture.
    const std::string overlays = Temp(reason);
    if (overlays.empty() ||
        !MakeRootMenuOverlays(job.input.programFolder, positions, params, overlays, reason))
        return false;
    return BuildMenuMpeg(job.libraries, params, overlays + "_normal.png", overlays + "_hover.png",
                         overlays + "_select.png", composite, movie, reason);
}

// The title menu's picture: its canvas, with the disc's title drawn in the
// band when there is one (then a BMP at picture); else picture is canvas.
bool MakeTitlePicture(const JobContext& job, const std::string& canvas, std::string& picture,
                      std::string& reason) {
    picture = canvas;
    if (job.input.discTitle.empty())
        return true;
    const QImage loaded = LoadPicture(canvas);
    if (loaded.isNull()) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't read the title menu picture %1"), {canvas});
        return false;
    }
    bool titled = false;
    const QImage surface = DrawTitleMenu(loaded, job.input.discTitle, job.params, titled);
    if (!titled)
        return true;
    const std::string base = Temp(reason);
    if (base.empty())
        return false;
    std::string why;
    if (!SaveBitmapAsBmp(surface, base + "title.bmp", &why)) {
        reason = platform::FillIn(
            platform::Translate("MenuStage", "Can't write the title menu picture %1: %2"),
            {base + "title.bmp", why});
        return false;
    }
    picture = base + "title.bmp";
    return true;
}

}  // namespace

std::string MakeMenuMovies(const JobContext& job, const MediaList& videos, MenuMovies& movies,
                           const std::function<bool()>& stop) {
    const std::string& folder = job.input.programFolder;
    const int W = job.params.width;
    const int H = job.params.height;
    movies = {};
    std::string reason;
    // A making that fails or is stopped leaves no menu movie behind.
    const auto fail = [&movies, &reason] {
        RemoveMenuMovies(movies);
        return reason;
    };
    const auto stopped = [&] {
        if (!stop || !stop())
            return false;
        reason = "stopped";
        return true;
    };

    const std::string rootCanvasBase = Temp(reason);
    if (rootCanvasBase.empty())
        return fail();
    const std::string rootCanvas = rootCanvasBase + "root_background.jpg";
    if (!MakeMenuCanvas(job.input.rootMenuBackground, rootCanvas, W, H, reason) || stopped())
        return fail();

    // The title menu: its background, the disc's title and the installed
    // Play/Chapters buttons.
    const std::string titleMovieBase = Temp(reason);
    const std::string titleCanvasBase = titleMovieBase.empty() ? std::string() : Temp(reason);
    if (titleCanvasBase.empty())
        return fail();
    movies.titleMovie = titleMovieBase + "title.mpg";
    const std::string titleCanvas = titleCanvasBase + "title_background.jpg";
    std::string titlePicture;
    if (!MakeMenuCanvas(job.input.titleMenuBackground, titleCanvas, W, H, reason) || stopped() ||
        !MakeTitlePicture(job, titleCanvas, titlePicture, reason) ||
        !BuildMenuMpeg(job.libraries, job.params, folder + "title_menu_normal.png",
                       folder + "title_menu_hover.png", folder + "title_menu_select.png",
                       titlePicture, movies.titleMovie, reason))
        return fail();

    // The root menu: a grid of thumbnails, one button per video, page by page.
    const std::vector<std::string> names = VideoNames(videos);
    for (const RootMenuPage& page : PlanRootMenuPages(videos.size())) {
        const std::string movieBase = Temp(reason);
        if (movieBase.empty() || stopped())
            return fail();
        movies.rootMovies.push_back(movieBase + "root.mpg");
        if (!MakeRootPage(job, videos, names, page, rootCanvas, movies.rootMovies.back(), reason))
            return fail();
    }
    return {};
}

void RemoveMenuMovies(const MenuMovies& movies) {
    if (!movies.titleMovie.empty())
        platform::RemoveFile(movies.titleMovie);
    for (const std::string& movie : movies.rootMovies)
        platform::RemoveFile(movie);
}
