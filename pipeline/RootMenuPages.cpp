#include "pipeline/RootMenuPages.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

constexpr std::size_t kOnePage = 12;
constexpr std::size_t kPerPage = 10;

}  // namespace

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
