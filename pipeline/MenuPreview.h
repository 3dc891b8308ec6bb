// The disc's menus before anything is converted: the title menu and every
// root menu page as the menu stage will draw them, from the videos'
// thumbnails, for a window to show.
#pragma once

#include <QImage>
#include <vector>

#include "pipeline/JobInput.h"
#include "platform/Result.h"

struct PreviewMenu {
    enum class Kind { Title, Root };
    Kind kind = Kind::Title;
    int page = 0;    // of a root menu page, from 1
    QImage picture;  // the menu's still, at the disc's frame size
    QImage buttons;  // the buttons' frames as the menu first shows them
    // The still with the buttons over it, at the disc's display aspect (a
    // 16:9 NTSC menu 853 x 480): what a television shows.
    QImage Shown(const JobParameters& params) const;
};

// Draws the menus a job of input would make (its videos need thumbnails, not
// streams); the reason when a background cannot be read or a button drawn.
// Nothing is left in the temporary folder.
platform::Result<std::vector<PreviewMenu>> PreviewMenus(const JobInput& input);
