// The root menu's pages. Up to twelve videos share one page of thumbnails.
// More videos than that are spread over pages of ten, whose grid's last two
// cells hold Previous and Next tiles: a 16:9 menu carries at most twelve
// buttons, so one page can never hold them all.
#pragma once

#include <QImage>
#include <cstddef>
#include <vector>

struct RootMenuPage {
    std::size_t firstVideo = 0;  // index into the media list
    std::size_t videoCount = 0;
    bool hasPrevious = false;
    bool hasNext = false;
};

// Grid cells of the page tiles.
constexpr std::size_t kPreviousCell = 10;
constexpr std::size_t kNextCell = 11;

std::vector<RootMenuPage> PlanRootMenuPages(std::size_t videoCount);

// Draws a Previous or Next tile of width x height at (x, y).
void DrawPageTile(QImage& surface, int x, int y, int width, int height, bool next);
