#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "app/FileSystem.h"
#include "engines/MenuPicture.h"
#include "media/Pictures.h"
#include "pipeline/DiscTitle.h"
#include "pipeline/EngineCall.h"
#include "pipeline/RootMenuPages.h"
#include "pipeline/Stages.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "settings/xml.h"

namespace {

constexpr std::size_t kMaxMenuButtons = 12;
constexpr int kThumbWidth = 128;
constexpr int kThumbHeight = 96;

// A new temp file's path; empty (with reason) when none can be made.
std::string Temp(std::string& reason) {
    platform::Result<std::string> file = MakeTempFile("~qor");
    if (!file) {
        reason = "Can't make a temporary file: " + file.error();
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

// Resizes a user's background picture, of any type the picture library
// reads (told by its content), to the menu's frame size as a JPEG.
bool MakeCanvas(const std::string& background, const std::string& canvas, int width, int height,
                std::string& reason) {
    auto picture = CreateMenuPicture();
    if (!picture ||
        picture->ConvertPicture(background.c_str(), 0, canvas.c_str(), 3, width, height) != 0 ||
        !platform::IsRegularFile(canvas)) {
        reason = "Can't prepare the menu background " + background +
                 (picture ? ": " + picture->LastError() : std::string());
        return false;
    }
    return true;
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
        reason = "DVD menu background only support BMP/JPG file!";
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
        reason = "The menu picture path is too long: " + background;
        return false;
    }
    EngineRun encode = RunEngine(libraries.engine, "me_start", command, "me_last_error");
    if (!encode.Succeeded() || platform::FileSize(still) <= 0) {
        reason = "Can't encode the menu picture " + background + ": " + encode.reason;
        return false;
    }

    const std::string control = Temp(reason);
    if (control.empty())
        return false;
    if (const platform::Result<void> saved =
            SaveXMLNode(control, BuildSubpictureControl(image, select, highlight), "");
        !saved) {
        reason = "Can't write the menu button description: " + saved.error();
        return false;
    }
    const std::string multiplex = "spumux.exe*" + control + "*-i*" + still + "*-o*" + output;
    EngineRun buttons = RunEngine(libraries.authoring, "subgen", multiplex, "authoring_last_error");
    if (!buttons.Succeeded() || platform::FileSize(output) <= 0) {
        reason = "Can't add the menu buttons: " + buttons.reason;
        return false;
    }
    return true;
}

namespace {

// How much wider than tall the menu's pixels are shown.
double PixelShape(const JobParameters& params) {
    return static_cast<double>(params.aspectNum) * params.height /
           (static_cast<double>(params.aspectDen) * params.width);
}

// The picture inside a thumbnail's black bars: a thumbnail keeps its video's
// proportions in a 4:3 box, so a wide video comes letterboxed and a tall one
// pillarboxed. Only whole black rows and columns at the edges count as bars.
QRect PictureInsideBars(const QImage& thumbnail) {
    auto dark = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (qGray(thumbnail.pixel(x, y)) > 32)
                    return false;
        return true;
    };
    const int w = thumbnail.width();
    const int h = thumbnail.height();
    int top = 0, bottom = h, left = 0, right = w;
    while (top < bottom - 1 && dark(0, top, w, top + 1))
        ++top;
    while (bottom > top + 1 && dark(0, bottom - 1, w, bottom))
        --bottom;
    while (left < right - 1 && dark(left, top, left + 1, bottom))
        ++left;
    while (right > left + 1 && dark(right - 1, top, right, bottom))
        --right;
    // A dark video is not a video in bars: keep the whole picture.
    if (bottom - top < h / 4 || right - left < w / 4)
        return thumbnail.rect();
    return QRect(left, top, right - left, bottom - top);
}

// Draws a thumbnail (square pixels) into its cell so that it keeps its shape
// on the disc, whose pixels are shown wider or narrower than square: the
// picture inside its bars as large as the cell shows it, centred, black
// around it. A wide video fills a wide menu's cell.
void DrawThumbnail(QPainter& painter, const QImage& thumbnail, const QRect& cell,
                   const JobParameters& params) {
    if (params.stretchToFill) {
        painter.drawImage(cell.topLeft(), thumbnail);
        return;
    }
    const QRect picture = PictureInsideBars(thumbnail);
    const double pixelShape = PixelShape(params);
    // The cell as the television shows it, in square pixels.
    const double shownWidth = cell.width() * pixelShape;
    const double scale = std::min(shownWidth / picture.width(),
                                  static_cast<double>(cell.height()) / picture.height());
    const QSize size(
        std::min(cell.width(), static_cast<int>(std::lround(picture.width() * scale / pixelShape))),
        std::min(cell.height(), static_cast<int>(std::lround(picture.height() * scale))));
    painter.fillRect(cell, Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(cell.x() + (cell.width() - size.width()) / 2,
                                   cell.y() + (cell.height() - size.height()) / 2),
                            size),
                      thumbnail, picture);
}

// One root-menu page: its picture (thumbnails and page tiles on the canvas),
// its button overlays and its menu movie.
bool MakeRootPage(const JobContext& job, const MediaList& list,
                  const std::vector<std::string>& names, const RootMenuPage& page,
                  const std::string& canvas, const std::string& movie, std::string& reason) {
    const JobParameters& params = job.params;
    const int W = params.width;
    const int H = params.height;
    const std::string& folder = job.input.programFolder;
    const std::string compositeBase = Temp(reason);
    if (compositeBase.empty())
        return false;
    const std::string composite = compositeBase + ".bmp";
    const std::vector<GridPosition> grid = RootMenuPositions(W, H, kMaxMenuButtons);
    std::vector<ButtonPosition> positions;
    QImage surface = LoadPicture(canvas).convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&surface);
        for (std::size_t i = 0; i < page.videoCount; ++i) {
            QImage thumbnail = LoadPicture(list[page.firstVideo + i].thumbnailPath);
            if (!thumbnail.isNull())
                DrawThumbnail(painter, thumbnail,
                              QRect(grid[i].x, grid[i].y, kThumbWidth, kThumbHeight), params);
            positions.push_back(ButtonPosition{grid[i].x, grid[i].y});
        }
    }
    for (std::size_t i = 0; i < page.videoCount; ++i)
        DrawVideoName(surface, QRect(grid[i].x, grid[i].y + kThumbHeight, kThumbWidth, kNameHeight),
                      names[page.firstVideo + i], PixelShape(params));
    const QRect back = BackButtonRect(W, H);
    DrawBackTile(surface, back);
    for (auto [present, cell, next] : {std::tuple{page.hasPrevious, kPreviousCell, false},
                                       std::tuple{page.hasNext, kNextCell, true}}) {
        if (!present)
            continue;
        DrawPageTile(surface, grid[cell].x, grid[cell].y, kThumbWidth, kThumbHeight, next);
        positions.push_back(ButtonPosition{grid[cell].x, grid[cell].y});
    }
    auto bitmap = CopySurfaceToBitmap(surface, QRect(0, 0, W, H));
    std::string why = "the picture could not be drawn";
    if (!bitmap || !SaveBitmapAsBmp(*bitmap, composite, &why)) {
        reason = "Can't write the root menu picture " + composite + ": " + why;
        return false;
    }

    // One frame per button, drawn from the installed frame picture.
    const std::string overlays = Temp(reason);
    if (overlays.empty())
        return false;
    ButtonOverlayRequest request{};
    if (!SetOverlayPath(request.framePicture, folder + "o.png") ||
        !SetOverlayPath(request.normalOutput, overlays + "_normal.png") ||
        !SetOverlayPath(request.hoverOutput, overlays + "_hover.png") ||
        !SetOverlayPath(request.selectOutput, overlays + "_select.png")) {
        reason = "The temporary folder's path is too long for the menu pictures.";
        return false;
    }
    request.positions = positions.data();
    request.buttonCount = static_cast<std::int32_t>(positions.size());
    request.canvasWidth = W;
    request.canvasHeight = H;
    request.buttonWidth = kThumbWidth;
    request.buttonHeight = kThumbHeight;
    auto picture = CreateMenuPicture();
    if (!picture || picture->MakeButtonOverlays(&request) != 0) {
        reason =
            "Can't draw the menu buttons" + (picture ? ": " + picture->LastError() : std::string());
        return false;
    }
    // The button back to the title menu: last, below the grid.
    for (const char* look : {"_normal.png", "_hover.png", "_select.png"}) {
        if (!AddButtonFrame(overlays + look, back)) {
            reason = "Can't draw the menu's back button on " + overlays + look;
            return false;
        }
    }
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
    QImage surface = LoadPicture(canvas).convertToFormat(QImage::Format_RGB32);
    if (surface.isNull()) {
        reason = "Can't read the title menu picture " + canvas;
        return false;
    }
    if (!DrawDiscTitle(surface, job.input.discTitle, PixelShape(job.params)))
        return true;
    const std::string base = Temp(reason);
    if (base.empty())
        return false;
    std::string why;
    if (!SaveBitmapAsBmp(surface, base + "title.bmp", &why)) {
        reason = "Can't write the title menu picture " + base + "title.bmp: " + why;
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
    if (!MakeCanvas(job.input.rootMenuBackground, rootCanvas, W, H, reason) || stopped())
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
    if (!MakeCanvas(job.input.titleMenuBackground, titleCanvas, W, H, reason) || stopped() ||
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
