// The root menu's pages. Every page has a button back to the title menu
// below its grid. Up to eleven videos share one page of thumbnails. More
// videos than that are spread over pages of nine, whose grid's last two
// cells hold Previous and Next tiles: a 16:9 menu carries at most twelve
// buttons, so one page can never hold them all.
#pragma once

#include <QImage>
#include <QRect>
#include <cstddef>
#include <string>
#include <vector>

#include "media/MediaItem.h"

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

// The root menu's layout on a width x height frame: the grid's cells (128 x
// 96 thumbnails, a name below each) and the back button below the grid, all
// inside the title-safe area (the frame less a tenth at each edge), where
// every television shows them.
constexpr int kGridColumns = 4;
constexpr int kCellPitchX = 148;
constexpr int kCellPitchY = 116;
constexpr int kNameHeight = 16;
QPoint RootMenuCell(int width, int height, std::size_t cell);
QRect BackButtonRect(int width, int height);
// Whether this process can draw text (it has a QGuiApplication).
bool CanDrawMenuText();
// Draws the back button's tile (an arrow turning back, and its caption when
// text can be drawn).
void DrawBackTile(QImage& surface, const QRect& where);

// The name shown for a video: its file name without the extension.
std::string VideoName(const std::string& sourcePath);
// The names shown for a list of videos, told apart: videos that share a name
// show their whole file name ("late.avi", "late.mov"), and those that still
// share one a number after it ("late.avi (2)").
std::vector<std::string> VideoNames(const std::vector<std::string>& sourcePaths);
// The names shown for the videos of a list: a name given to a video as it
// stands, the others made from their files and told apart among themselves
// as above.
std::vector<std::string> VideoNames(const MediaList& videos);
// Draws name into the strip below a thumbnail, shortened in the middle with
// an ellipsis to fit, so that its end (what tells names apart) stays.
// pixelShape: how much wider than tall the menu's pixels are shown, so that
// the letters keep their shape on the television. Does nothing where the
// process cannot draw text (no QGuiApplication).
void DrawVideoName(QImage& surface, const QRect& strip, const std::string& name, double pixelShape);

// Adds a button frame around where to an overlay picture made by the menu
// picture component (a palette PNG whose colour 1 is the button colour).
bool AddButtonFrame(const std::string& overlayPath, const QRect& where);
