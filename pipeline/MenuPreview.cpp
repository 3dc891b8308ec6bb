#include "pipeline/MenuPreview.h"

#include <QPainter>
#include <cmath>

#include "media/Pictures.h"
#include "pipeline/MenuPictures.h"
#include "pipeline/RootMenuPages.h"
#include "platform/Files.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"

namespace {

// Temporary files that are gone when it is.
class TempFiles {
  public:
    TempFiles() = default;
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;
    ~TempFiles() {
        for (const std::string& file : files_)
            platform::RemoveFile(file);
    }
    // A new temp file's path with suffix after it (both files are removed).
    platform::Result<std::string> Make(const std::string& suffix) {
        platform::Result<std::string> base = platform::MakeTempFile("~qor");
        if (!base)
            return platform::Fail(platform::FillIn(
                platform::Translate("MenuStage", "Can't make a temporary file: %1"),
                {base.error()}));
        files_.push_back(*base);
        files_.push_back(*base + suffix);
        return *base + suffix;
    }
    void Add(const std::string& file) { files_.push_back(file); }

  private:
    std::vector<std::string> files_;
};

// The background resized to the frame, as the menu stage's canvas.
platform::Result<QImage> Canvas(TempFiles& temp, const std::string& background,
                                const JobParameters& params, const std::string& suffix) {
    platform::Result<std::string> canvas = temp.Make(suffix);
    if (!canvas)
        return platform::Fail(canvas.error());
    if (auto made = MakeMenuCanvas(background, *canvas, params.width, params.height); !made)
        return made.failure();
    QImage picture = LoadPicture(*canvas);
    if (picture.isNull())
        return platform::Fail(platform::FillIn(
            platform::Translate("MenuStage", "Can't read the menu picture %1"), {*canvas}));
    return picture;
}

}  // namespace

QImage PreviewMenu::Shown(const JobParameters& params) const {
    QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    if (!buttons.isNull()) {
        QPainter painter(&shown);
        painter.drawImage(0, 0, buttons.convertToFormat(QImage::Format_ARGB32));
    }
    const int width = static_cast<int>(std::lround(shown.width() * PixelShape(params)));
    return shown.scaled(width, shown.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

platform::Result<std::vector<PreviewMenu>> PreviewMenus(const JobInput& input) {
    const JobParameters& params = input.params;
    TempFiles temp;
    std::vector<PreviewMenu> menus;

    platform::Result<QImage> titleCanvas =
        Canvas(temp, input.titleMenuBackground, params, "title_background.jpg");
    if (!titleCanvas)
        return platform::Fail(titleCanvas.error());
    PreviewMenu title;
    bool titled = false;
    title.picture = DrawTitleMenu(*titleCanvas, input.discTitle, params, titled);
    title.buttons = LoadPicture(input.programFolder + "title_menu_normal.png");
    menus.push_back(title);

    platform::Result<QImage> rootCanvas =
        Canvas(temp, input.rootMenuBackground, params, "root_background.jpg");
    if (!rootCanvas)
        return platform::Fail(rootCanvas.error());
    const std::vector<std::string> names = VideoNames(input.videos);
    int number = 0;
    for (const RootMenuPage& page : PlanRootMenuPages(input.videos.size())) {
        PreviewMenu root;
        root.kind = PreviewMenu::Kind::Root;
        root.page = ++number;
        std::vector<ButtonPosition> positions;
        root.picture = DrawRootMenuPage(*rootCanvas, input.videos, names, page, params, positions);
        platform::Result<std::string> overlays = temp.Make("_normal.png");
        if (!overlays)
            return platform::Fail(overlays.error());
        const std::string base = overlays->substr(0, overlays->size() - 11);
        temp.Add(base + "_hover.png");
        temp.Add(base + "_select.png");
        if (auto drawn = MakeRootMenuOverlays(input.programFolder, positions, params, base); !drawn)
            return drawn.failure();
        root.buttons = LoadPicture(*overlays);
        menus.push_back(root);
    }
    return menus;
}
