#include "pipeline/RootMenuPages.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>

namespace {

constexpr std::size_t kOnePage = 11;
constexpr std::size_t kPerPage = 9;
constexpr int kThumbWidth = 128;
constexpr int kThumbHeight = 96;
constexpr int kBackGap = 8;
constexpr int kBackHeight = 28;
// Three rows of cells with their names, the gap and the back button.
constexpr int kBlockHeight = 2 * kCellPitchY + kThumbHeight + kNameHeight + kBackGap + kBackHeight;
constexpr int kBlockWidth = (kGridColumns - 1) * kCellPitchX + kThumbWidth;

}  // namespace

bool CanDrawMenuText() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

std::vector<RootMenuPage> PlanRootMenuPages(std::size_t videoCount) {
    if (videoCount <= kOnePage)
        return {RootMenuPage{0, videoCount, false, false}};
    std::vector<RootMenuPage> pages;
    for (std::size_t first = 0; first < videoCount; first += kPerPage) {
        RootMenuPage page;
        page.firstVideo = first;
        page.videoCount = std::min(kPerPage, videoCount - first);
        page.hasPrevious = first > 0;
        page.hasNext = first + kPerPage < videoCount;
        pages.push_back(page);
    }
    return pages;
}

void DrawPageTile(QImage& surface, int x, int y, int width, int height, bool next) {
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 20, 36, 210));
    painter.drawRoundedRect(QRect(x, y, width, height), 10, 10);
    // An arrow pointing the way the tile turns the pages.
    const int cx = x + width / 2;
    const int cy = y + height / 2;
    const int reach = std::min(width, height) / 4;
    const int direction = next ? 1 : -1;
    QPolygon arrow;
    arrow << QPoint(cx - direction * reach, cy - reach) << QPoint(cx + direction * reach, cy)
          << QPoint(cx - direction * reach, cy + reach);
    painter.setBrush(QColor(245, 245, 250));
    painter.drawPolygon(arrow);
}

QPoint RootMenuCell(int width, int height, std::size_t cell) {
    const int column = static_cast<int>(cell % kGridColumns);
    const int row = static_cast<int>(cell / kGridColumns);
    return QPoint((width - kBlockWidth) / 2 + column * kCellPitchX,
                  (height - kBlockHeight) / 2 / 2 * 2 + row * kCellPitchY);
}

QRect BackButtonRect(int width, int height) {
    const int top = RootMenuCell(width, height, std::size_t{2} * kGridColumns).y() + kThumbHeight +
                    kNameHeight + kBackGap;
    return QRect((width - kThumbWidth) / 2, top, kThumbWidth, kBackHeight);
}

void DrawBackTile(QImage& surface, const QRect& where) {
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 20, 36, 210));
    painter.drawRoundedRect(where, 8, 8);
    // An arrow pointing up and back, as "return" signs do.
    const int cy = where.center().y();
    const int left = where.left() + 12;
    QPolygon arrow;
    arrow << QPoint(left, cy) << QPoint(left + 10, cy - 8) << QPoint(left + 10, cy + 8);
    painter.setBrush(QColor(245, 245, 250));
    painter.drawPolygon(arrow);
    painter.drawRect(QRect(left + 10, cy - 3, 12, 6));
    if (!CanDrawMenuText())
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(245, 245, 250));
    painter.drawText(where.adjusted(30, 0, -4, 0), Qt::AlignCenter, QStringLiteral("Title menu"));
}

std::string VideoName(const std::string& sourcePath) {
    std::string name = sourcePath.substr(sourcePath.rfind('/') + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

std::vector<std::string> VideoNames(const std::vector<std::string>& sourcePaths) {
    std::vector<std::string> names;
    for (const std::string& path : sourcePaths)
        names.push_back(VideoName(path));
    const auto shared = [&names](std::size_t i) {
        return std::count(names.begin(), names.end(), names[i]) > 1;
    };
    std::vector<std::size_t> sharing;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (shared(i))
            sharing.push_back(i);
    for (std::size_t i : sharing) {
        const std::string& path = sourcePaths[i];
        names[i] = path.substr(path.rfind('/') + 1);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!shared(i))
            continue;
        // The first keeps its name; each later one takes the next free number.
        const std::string name = names[i];
        for (std::size_t k = i + 1, number = 2; k < names.size(); ++k) {
            if (names[k] != name)
                continue;
            std::string numbered;
            do
                numbered = name + " (" + std::to_string(number++) + ")";
            while (std::find(names.begin(), names.end(), numbered) != names.end());
            names[k] = numbered;
        }
    }
    return names;
}

std::vector<std::string> VideoNames(const MediaList& videos) {
    std::vector<std::string> unnamed;
    for (const MediaItem& video : videos)
        if (video.name.empty())
            unnamed.push_back(video.sourcePath);
    const std::vector<std::string> made = VideoNames(unnamed);
    std::vector<std::string> names;
    std::size_t next = 0;
    for (const MediaItem& video : videos)
        names.push_back(video.name.empty() ? made[next++] : video.name);
    return names;
}

void DrawVideoName(QImage& surface, const QRect& strip, const std::string& name,
                   double pixelShape) {
    if (!CanDrawMenuText() || name.empty() || pixelShape <= 0)
        return;
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    // Drawn in television-shaped units: one unit is one pixel's shown width.
    painter.translate(strip.topLeft());
    painter.scale(1 / pixelShape, 1);
    const int width = static_cast<int>(strip.width() * pixelShape);
    const QString text =
        QFontMetrics(font).elidedText(QString::fromStdString(name), Qt::ElideMiddle, width - 2);
    QPainterPath path;
    const QFontMetrics metrics(font);
    const int x = (width - metrics.horizontalAdvance(text)) / 2;
    const int y = (strip.height() + metrics.ascent() - metrics.descent()) / 2;
    path.addText(x, y, font, text);
    // A dark edge keeps light letters readable on any background.
    painter.setPen(QPen(QColor(0, 0, 0, 220), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPath(path);
}

bool AddButtonFrame(const std::string& overlayPath, const QRect& where) {
    QImage overlay(QString::fromStdString(overlayPath));
    if (overlay.isNull() || overlay.format() != QImage::Format_Indexed8 ||
        overlay.colorCount() < 2 || !overlay.rect().contains(where))
        return false;
    constexpr int kFrame = 3;
    for (int y = where.top(); y <= where.bottom(); ++y) {
        uchar* line = overlay.scanLine(y);
        const bool edgeRow = y < where.top() + kFrame || y > where.bottom() - kFrame;
        for (int x = where.left(); x <= where.right(); ++x)
            if (edgeRow || x < where.left() + kFrame || x > where.right() - kFrame)
                line[x] = 1;
    }
    return overlay.save(QString::fromStdString(overlayPath), "PNG");
}
