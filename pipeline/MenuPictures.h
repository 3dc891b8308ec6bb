// The pictures of the disc's menus, drawn the same way for the disc and for
// the preview: the title menu's background with the disc's title, each root
// menu page's background with the videos' thumbnails and names, its page
// tiles and its back button, and the frames of the page's buttons.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "engines/MenuPicture.h"
#include "media/MediaItem.h"
#include "pipeline/AuthoringJob.h"
#include "pipeline/RootMenuPages.h"
#include "platform/Result.h"

// How much wider than tall the menu's pixels are shown.
double PixelShape(const JobParameters& params);

// Resizes a user's background picture, of any type the picture library
// reads (told by its content), to the menu's frame size as a JPEG at canvas.
platform::Result<void> MakeMenuCanvas(const std::string& background, const std::string& canvas,
                                      int width, int height);

// The title menu's picture: the canvas with the disc's title in its band.
// titled: whether a title was drawn (a blank one, or a process that cannot
// draw text, leaves the canvas as it is).
QImage DrawTitleMenu(const QImage& canvas, const std::string& discTitle,
                     const JobParameters& params, bool& titled);

// One root menu page's picture: the canvas with the thumbnails and names of
// the page's videos (names as VideoNames gives them, for the whole list),
// the page tiles and the back button. positions: where the page's buttons
// go, videos first, then Previous and Next (the back button's place is
// BackButtonRect).
QImage DrawRootMenuPage(const QImage& canvas, const MediaList& list,
                        const std::vector<std::string>& names, const RootMenuPage& page,
                        const JobParameters& params, std::vector<ButtonPosition>& positions);

// Draws a root menu page's button frames into base + "_normal.png",
// "_hover.png" and "_select.png", made from the installed frame picture.
platform::Result<void> MakeRootMenuOverlays(const std::string& programFolder,
                                            const std::vector<ButtonPosition>& positions,
                                            const JobParameters& params, const std::string& base);
