// The disc's title in the title menu: one line across the band at the top of
// the menu, inside the title-safe area, large enough to read from the sofa.
#pragma once

#include <QImage>
#include <QRect>
#include <string>

// The band on a width x height title menu (where the shipped background draws
// its light band), inside the title-safe area: the frame less a tenth at
// each edge, which every television shows.
QRect TitleBandRect(int width, int height);

// Draws title (UTF-8) centred in the band of surface: as large as fits, down
// to a size still read at television distance, and beyond that shortened
// with an ellipsis, never cut. Runs of blanks and line breaks become one
// space. A character that no installed font holds shows as the font's empty
// box. pixelShape: how much wider than tall the menu's pixels are shown, so
// that the letters keep their shape. False (surface unchanged) for a blank
// title or where the process cannot draw text.
bool DrawDiscTitle(QImage& surface, const std::string& title, double pixelShape);
