// Subtitle cues drawn as DVD subpictures: pictures of the disc's frame in at
// most four colours (transparent, fill, outline, edge between them).
#pragma once

#include <QImage>
#include <QPoint>
#include <optional>
#include <string>

#include "media/SubtitleCues.h"
#include "pipeline/AuthoringJob.h"

// The four colours of every subtitle picture, the same in every stream, so
// that all streams of a title share one palette.
inline constexpr QRgb kSubtitleFill = 0xFFFFFFFF;
inline constexpr QRgb kSubtitleOutline = 0xFF000000;
inline constexpr QRgb kSubtitleEdge = 0xFF808080;
inline constexpr QRgb kSubtitleClear = 0x00000000;

struct Subpicture {
    QImage image;  // ARGB32 holding the four colours only, cropped to what shows
    QPoint at;     // its place on the frame
};

// A text cue: light letters with a dark outline, centred at the bottom of
// the title-safe area, shaped for the frame's display aspect so that letters
// keep their form on the television. nullopt when no text can be drawn (no
// QGuiApplication) or the cue has none.
std::optional<Subpicture> DrawTextCue(const std::string& text, const JobParameters& params);

// A bitmap cue, scaled from its canvas to where the video shows in the frame
// and brought down to the four colours by lightness. nullopt when nothing of
// it shows.
std::optional<Subpicture> DrawBitmapCue(const SubtitleCue& cue, const JobParameters& params);
