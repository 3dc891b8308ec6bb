// The keys of the two settings files, the built-in tables and integer reads.
#pragma once

#include <array>
#include <string>

#include "platform/Translation.h"
#include "settings/xml.h"

namespace keys {
// Product settings ("p0.data").
inline constexpr const char* PRODUCT_NAME = "PRODUCT_NAME";
inline constexpr const char* OPTIONS_FILENAME = "OPTIONS_FILENAME";
inline constexpr const char* LOAD_SKIN = "LOAD_SKIN";
inline constexpr const char* SKIN_FILENAME = "SKIN_FILENAME";
inline constexpr const char* URL_PRODUCT_HOME = "URL_PRODUCT_HOME";
// Options (the file named by OPTIONS_FILENAME).
inline constexpr const char* WORKING_FOLDER = "WORKING_FOLDER";
inline constexpr const char* CLEAR_TEMP_FOLDER_WHEN_EXIT = "CLEAR_TEMP_FOLDER_WHEN_EXIT";
inline constexpr const char* TARGET_DVD_TYPE = "TARGET_DVD_TYPE";
inline constexpr const char* VIDEO_ASPECT_RATIO = "VIDEO_ASPECT_RATIO";
inline constexpr const char* VIDEO_QUALITY_MODE = "VIDEO_QUALITY_MODE";
inline constexpr const char* BACKGROUND_PICTURE_OF_TITLE_MENU = "BACKGROUND_PICTURE_OF_TITLE_MENU";
inline constexpr const char* BACKGROUND_PICTURE_OF_ROOT_MENU = "BACKGROUND_PICTURE_OF_ROOT_MENU";
inline constexpr const char* DVD_DISC_VOLUME = "DVD_DISC_VOLUME";
inline constexpr const char* RECENT_OPEN = "RECENT_OPEN";
inline constexpr const char* FILENAME_SN = "FILENAME_SN";
// Added later: an older options file may lack them, and then their default
// holds (see ReadNewIntOption).
inline constexpr const char* STRETCH_TO_FILL = "STRETCH_TO_FILL";  // "1": fill the frame
// "0" skips reading a burnt disc back and checking it.
inline constexpr const char* CHECK_DISC_AFTER_BURN = "CHECK_DISC_AFTER_BURN";
// Conversions run side by side; "0": as many as the cores and memory allow.
inline constexpr const char* CONVERSION_JOBS = "CONVERSION_JOBS";
// A chapter every so many minutes inside each video; "0": one per video.
inline constexpr const char* CHAPTER_MINUTES = "CHAPTER_MINUTES";
// The two-letter language ("en") of sound tracks whose file names none;
// empty or absent: the language of the user's locale.
inline constexpr const char* AUDIO_LANGUAGE = "AUDIO_LANGUAGE";
// What follows the end of each video: "0" the next video, "1" the root menu
// page that holds its button, with that button highlighted.
inline constexpr const char* AFTER_EACH_VIDEO = "AFTER_EACH_VIDEO";
// The speed burns write at, in times DVD speed; "0": the drive's best.
inline constexpr const char* BURN_SPEED = "BURN_SPEED";
// The folder of the project last opened or saved, without a trailing slash;
// the project dialogs start there.
inline constexpr const char* LAST_PROJECT_FOLDER = "LAST_PROJECT_FOLDER";
// The text shown in the title menu's band; empty: none. It belongs to the
// disc being made (a project or the command line gives it), so the options
// file never keeps it.
inline constexpr const char* DISC_TITLE = "DISC_TITLE";
}  // namespace keys

// The keys the program reads from each file: a file without one of them
// cannot be used (newer keys, which an older file may lack, are not here).
inline constexpr std::array<const char*, 5> kProductSettingsKeys{
    keys::PRODUCT_NAME, keys::OPTIONS_FILENAME, keys::LOAD_SKIN, keys::SKIN_FILENAME,
    keys::URL_PRODUCT_HOME};
inline constexpr std::array<const char*, 10> kOptionsKeys{keys::WORKING_FOLDER,
                                                          keys::CLEAR_TEMP_FOLDER_WHEN_EXIT,
                                                          keys::TARGET_DVD_TYPE,
                                                          keys::VIDEO_ASPECT_RATIO,
                                                          keys::VIDEO_QUALITY_MODE,
                                                          keys::BACKGROUND_PICTURE_OF_TITLE_MENU,
                                                          keys::BACKGROUND_PICTURE_OF_ROOT_MENU,
                                                          keys::DVD_DISC_VOLUME,
                                                          keys::RECENT_OPEN,
                                                          keys::FILENAME_SN};

// Files of the program folder.
inline constexpr const char* kProductSettingsFile = "p0.data";
inline constexpr const char* kKeyFile = "p4.data";
inline constexpr const char* kDefaultTitleBackground = "Background.jpg";
inline constexpr const char* kDefaultRootBackground = "Background_root.jpg";

struct DiscType {
    const char* name;
    int nominalMB;
    int limitMB;     // above this the add-video page asks before going on
    int gaugeEndMB;  // full scale of the capacity gauge
};

struct Quality {
    const char* label;
    int videoKbps;
};

struct TvStandard {
    const char* name;
    int fpsNum;
    int fpsDen;
    int width;
    int height;
};

struct AspectRatio {
    int num;
    int den;
};

inline constexpr std::array<DiscType, 2> DiscTypeTable{{
    {"DVD-5", 4700, 4300, 6000},
    {"DVD-9", 8700, 8300, 11581},
}};

// The last row has no rate of its own: the rate is chosen from the videos'
// length and the disc (see media/Estimate.h).
inline constexpr std::array<Quality, 6> QualityTable{{
    {QUORVA_TEXT("Quality", "Best (8.0 Mb/S), slow of convert speed"), 9800},
    {QUORVA_TEXT("Quality", "Best (5.0 Mb/S), slow of convert speed"), 5000},
    {QUORVA_TEXT("Quality", "Good (3.3 Mb/S), normal speed"), 3300},
    {QUORVA_TEXT("Quality", "Normal (2.5 Mb/S), fast speed"), 2500},
    {QUORVA_TEXT("Quality", "Poor (1.7 Mb/S), very fast speed"), 1700},
    {QUORVA_TEXT("Quality", "Fit to disc"), 0},
}};
inline constexpr int kFitToDiscQuality = 5;

inline constexpr std::array<TvStandard, 2> TvStandardTable{{
    {"NTSC", 30000, 1001, 720, 480},
    {"PAL", 25, 1, 720, 576},
}};

inline constexpr std::array<AspectRatio, 2> AspectRatioTable{{
    {16, 9},
    {4, 3},
}};

// Reads an integer option: the decimal number at the start of the value
// (after optional blanks and sign), 0 when there is none or the key is
// missing; values beyond the int range are limited to it.
int ReadIntOption(const CXMLAccess& node, const std::string& key);
// The same for a key that older options files may lack: missing, it reads
// as defaultValue.
int ReadNewIntOption(const CXMLAccess& node, const std::string& key, int defaultValue);
// The same conversion on a text.
int ParseIntOption(const std::string& text);

// Table rows by stored index; an index outside the table is clamped into it.
const DiscType& DiscTypeAt(int index);
const Quality& QualityAt(int index);
const TvStandard& TvStandardAt(int index);
const AspectRatio& AspectRatioAt(int index);
