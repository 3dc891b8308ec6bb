// The menu picture component on QtGui pictures.
#include "engines/MenuPicture.h"

#include "components/menupicture/ButtonOverlays.h"
#include "components/menupicture/PictureFiles.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace menupicture {
namespace {

constexpr int kMaxCanvasSide = 4096;
constexpr int kMaxButtons = 36;  // a DVD menu holds at most 36 buttons

// A path field is usable when it ends inside its 263 bytes and is not empty.
platform::Result<std::string> ReadPathField(const char (&field)[263], const char* what) {
    const void* end = std::memchr(field, '\0', sizeof field);
    if (end == nullptr)
        return platform::Fail(std::string("the ") + what + " path does not fit its 263-byte field");
    std::string path(field);
    if (path.empty())
        return platform::Fail(std::string("the ") + what + " path is empty");
    return path;
}

class MenuPicture final : public IMenuPicture {
  public:
    std::int32_t MakeButtonOverlays(ButtonOverlayRequest* request) override {
        return Finish(MakeOverlays(request));
    }

    std::int32_t ConvertPicture(const char* source, std::int32_t sourceFlags,
                                const char* destination, std::int32_t outputFormat,
                                std::int32_t width, std::int32_t height) override {
        return Finish(Convert(source, sourceFlags, destination, outputFormat, width, height));
    }

    std::string LastError() const override { return error_; }

  private:
    // The one place where an outcome becomes the interface's code and last
    // message.
    std::int32_t Finish(const platform::Result<void>& outcome) {
        error_ = outcome.error();
        return outcome ? 0 : -1;
    }

    static platform::Result<void> MakeOverlays(const ButtonOverlayRequest* request) {
        using platform::Fail;
        if (request == nullptr)
            return Fail("no overlay request");
        const auto frame = ReadPathField(request->framePicture, "frame picture");
        if (!frame)
            return frame.failure();
        const platform::Result<std::string> outputs[3] = {
            ReadPathField(request->normalOutput, "normal overlay"),
            ReadPathField(request->hoverOutput, "hover overlay"),
            ReadPathField(request->selectOutput, "select overlay")};
        for (const auto& output : outputs)
            if (!output)
                return output.failure();
        const QSize canvas(request->canvasWidth, request->canvasHeight);
        const QSize button(request->buttonWidth, request->buttonHeight);
        if (!ValidSize(canvas) || !ValidSize(button))
            return Fail("bad canvas or button size");
        const int count = request->buttonCount;
        if (count < 0 || count > kMaxButtons)
            return Fail("bad number of buttons: " + std::to_string(count));
        if (count > 0 && request->positions == nullptr)
            return Fail("no button positions");

        const auto framePicture = ReadPicture(*frame);
        if (!framePicture)
            return framePicture.failure();
        const std::vector<bool> shape = FrameShape(*framePicture, button);
        if (std::find(shape.begin(), shape.end(), true) == shape.end())
            return Fail("the frame picture \"" + *frame + "\" shows no pixel");

        std::vector<QPoint> positions;
        for (int i = 0; i < count; ++i)
            positions.emplace_back(request->positions[i].x, request->positions[i].y);
        const auto set = DrawOverlays(shape, button, positions, canvas);
        if (!set)
            return set.failure();

        const QImage* images[3] = {&set->normal, &set->hover, &set->select};
        for (int i = 0; i < 3; ++i) {
            if (auto written = WritePicture(*images[i], *outputs[i], "png"); !written) {
                for (int k = 0; k < i; ++k)
                    QFile::remove(QString::fromStdString(*outputs[k]));
                return written;
            }
        }
        return {};
    }

    static platform::Result<void> Convert(const char* source, std::int32_t sourceFlags,
                                          const char* destination, std::int32_t outputFormat,
                                          std::int32_t width, std::int32_t height) {
        using platform::Fail;
        if (source == nullptr || destination == nullptr || *source == '\0' || *destination == '\0')
            return Fail("no source or destination path");
        if (sourceFlags != 0)
            return Fail("unknown source flags " + std::to_string(sourceFlags));
        if (outputFormat != kPictureFormatJpeg)
            return Fail("unknown output format " + std::to_string(outputFormat));
        const QSize size(width, height);
        if (!ValidSize(size))
            return Fail("bad picture size " + std::to_string(width) + " x " +
                        std::to_string(height));
        const auto picture = ReadPicture(source);
        if (!picture)
            return picture.failure();
        // Transparent parts show black, as on a TV.
        QImage canvas(size, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        {
            QPainter painter(&canvas);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(QPoint(0, 0), size), *picture);
        }
        return WritePicture(canvas, destination, "jpg");
    }

    static bool ValidSize(QSize size) {
        return size.width() > 0 && size.height() > 0 && size.width() <= kMaxCanvasSide &&
               size.height() <= kMaxCanvasSide;
    }

    std::string error_;
};

}  // namespace
}  // namespace menupicture

std::unique_ptr<IMenuPicture> CreateMenuPicture() {
    return std::make_unique<menupicture::MenuPicture>();
}
