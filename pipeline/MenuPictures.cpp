#include "pipeline/MenuPictures.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "media/Pictures.h"
#include "pipeline/DiscTitle.h"
#include "platform/Files.h"
#include "platform/Translation.h"

namespace {

constexpr std::size_t kGridCells = 12;
constexpr int kThumbWidth = 128;
constexpr int kThumbHeight = 96;

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

}  // namespace

double PixelShape(const JobParameters& params) {
    return static_cast<double>(params.aspectNum) * params.height /
           (static_cast<double>(params.aspectDen) * params.width);
}

platform::Result<void> MakeMenuCanvas(const std::string& background, const std::string& canvas,
                                      int width, int height) {
    auto picture = CreateMenuPicture();
    if (!picture ||
        picture->ConvertPicture(background.c_str(), 0, canvas.c_str(), 3, width, height) != 0 ||
        !platform::IsRegularFile(canvas))
        return platform::Fail(
            picture ? platform::FillIn(platform::Translate(
                                           "MenuStage", "Can't prepare the menu background %1: %2"),
                                       {background, picture->LastError()})
                    : platform::FillIn(
                          platform::Translate("MenuStage", "Can't prepare the menu background %1"),
                          {background}));
    return {};
}

QImage DrawTitleMenu(const QImage& canvas, const std::string& discTitle,
                     const JobParameters& params, bool& titled) {
    QImage surface = canvas.convertToFormat(QImage::Format_RGB32);
    titled = !discTitle.empty() && DrawDiscTitle(surface, discTitle, PixelShape(params));
    return surface;
}

QImage DrawRootMenuPage(const QImage& canvas, const MediaList& list,
                        const std::vector<std::string>& names, const RootMenuPage& page,
                        const JobParameters& params, std::vector<ButtonPosition>& positions) {
    const int W = params.width;
    const int H = params.height;
    std::vector<QPoint> grid;
    for (std::size_t cell = 0; cell < kGridCells; ++cell)
        grid.push_back(RootMenuCell(W, H, cell));
    positions.clear();
    QImage surface = canvas.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&surface);
        for (std::size_t i = 0; i < page.videoCount; ++i) {
            QImage thumbnail = LoadPicture(list[page.firstVideo + i].thumbnailPath);
            if (!thumbnail.isNull())
                DrawThumbnail(painter, thumbnail,
                              QRect(grid[i].x(), grid[i].y(), kThumbWidth, kThumbHeight), params);
            positions.push_back(ButtonPosition{grid[i].x(), grid[i].y()});
        }
    }
    for (std::size_t i = 0; i < page.videoCount; ++i)
        DrawVideoName(surface,
                      QRect(grid[i].x(), grid[i].y() + kThumbHeight, kThumbWidth, kNameHeight),
                      names[page.firstVideo + i], PixelShape(params));
    DrawBackTile(surface, BackButtonRect(W, H));
    for (auto [present, cell, next] : {std::tuple{page.hasPrevious, kPreviousCell, false},
                                       std::tuple{page.hasNext, kNextCell, true}}) {
        if (!present)
            continue;
        DrawPageTile(surface, grid[cell].x(), grid[cell].y(), kThumbWidth, kThumbHeight, next);
        positions.push_back(ButtonPosition{grid[cell].x(), grid[cell].y()});
    }
    return surface;
}

platform::Result<void> MakeRootMenuOverlays(const std::string& programFolder,
                                            const std::vector<ButtonPosition>& positions,
                                            const JobParameters& params, const std::string& base) {
    ButtonOverlayRequest request{};
    if (!SetOverlayPath(request.framePicture, programFolder + "o.png") ||
        !SetOverlayPath(request.normalOutput, base + "_normal.png") ||
        !SetOverlayPath(request.hoverOutput, base + "_hover.png") ||
        !SetOverlayPath(request.selectOutput, base + "_select.png"))
        return platform::Fail(platform::Translate(
            "MenuStage", "The temporary folder's path is too long for the menu pictures."));
    request.positions = positions.data();
    request.buttonCount = static_cast<std::int32_t>(positions.size());
    request.canvasWidth = params.width;
    request.canvasHeight = params.height;
    request.buttonWidth = kThumbWidth;
    request.buttonHeight = kThumbHeight;
    auto picture = CreateMenuPicture();
    if (!picture || picture->MakeButtonOverlays(&request) != 0)
        return platform::Fail("Can't draw the menu buttons" +
                              (picture ? ": " + picture->LastError() : std::string()));
    // The button back to the title menu: last, below the grid.
    for (const char* look : {"_normal.png", "_hover.png", "_select.png"})
        if (!AddButtonFrame(base + look, BackButtonRect(params.width, params.height)))
            return platform::Fail(platform::FillIn(
                platform::Translate("MenuStage", "Can't draw the menu's back button on %1"),
                {base + look}));
    return {};
}
