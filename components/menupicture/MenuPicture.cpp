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
bool ReadPathField(const char (&field)[263], const char* what, std::string& path,
                   std::string& error) {
    const void* end = std::memchr(field, '\0', sizeof field);
    if (end == nullptr) {
        error = std::string("the ") + what + " path does not fit its 263-byte field";
        return false;
    }
    path.assign(field);
    if (path.empty()) {
        error = std::string("the ") + what + " path is empty";
        return false;
    }
    return true;
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
    std::int32_t Finish(bool ok) {
        if (ok)
            error_.clear();
        return ok ? 0 : -1;
    }

    bool MakeOverlays(const ButtonOverlayRequest* request) {
        if (request == nullptr)
            return Fail("no overlay request");
        std::string frame, outputs[3];
        if (!ReadPathField(request->framePicture, "frame picture", frame, error_) ||
            !ReadPathField(request->normalOutput, "normal overlay", outputs[0], error_) ||
            !ReadPathField(request->hoverOutput, "hover overlay", outputs[1], error_) ||
            !ReadPathField(request->selectOutput, "select overlay", outputs[2], error_))
            return false;
        const QSize canvas(request->canvasWidth, request->canvasHeight);
        const QSize button(request->buttonWidth, request->buttonHeight);
        if (!ValidSize(canvas) || !ValidSize(button))
            return Fail("bad canvas or button size");
        const int count = request->buttonCount;
        if (count < 0 || count > kMaxButtons)
            return Fail("bad number of buttons: " + std::to_string(count));
        if (count > 0 && request->positions == nullptr)
            return Fail("no button positions");

        QImage framePicture = ReadPicture(frame, error_);
        if (framePicture.isNull())
            return false;
        const std::vector<bool> shape = FrameShape(framePicture, button);
        if (std::find(shape.begin(), shape.end(), true) == shape.end())
            return Fail("the frame picture \"" + frame + "\" shows no pixel");

        std::vector<QPoint> positions;
        for (int i = 0; i < count; ++i)
            positions.emplace_back(request->positions[i].x, request->positions[i].y);
        OverlaySet set;
        if (!DrawOverlays(shape, button, positions, canvas, set, error_))
            return false;

        const QImage* images[3] = {&set.normal, &set.hover, &set.select};
        for (int i = 0; i < 3; ++i) {
            if (!WritePicture(*images[i], outputs[i], "png", error_)) {
                for (int k = 0; k < i; ++k)
                    QFile::remove(QString::fromStdString(outputs[k]));
                return false;
            }
        }
        return true;
    }

    bool Convert(const char* source, std::int32_t sourceFlags, const char* destination,
                 std::int32_t outputFormat, std::int32_t width, std::int32_t height) {
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
        QImage picture = ReadPicture(source, error_);
        if (picture.isNull())
            return false;
        // Transparent parts show black, as on a TV.
        QImage canvas(size, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        {
            QPainter painter(&canvas);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(QPoint(0, 0), size), picture);
        }
        return WritePicture(canvas, destination, "jpg", error_);
    }

    static bool ValidSize(QSize size) {
        return size.width() > 0 && size.height() > 0 && size.width() <= kMaxCanvasSide &&
               size.height() <= kMaxCanvasSide;
    }

    bool Fail(std::string reason) {
        error_ = std::move(reason);
        return false;
    }

    std::string error_;
};

}  // namespace
}  // namespace menupicture

std::unique_ptr<IMenuPicture> CreateMenuPicture() {
    return std::make_unique<menupicture::MenuPicture>();
}
