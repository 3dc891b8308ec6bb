// The stages of an authoring job, run one after another by the worker.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "media/MediaItem.h"
#include "pipeline/AuthoringJob.h"

class CXMLAccess;

enum class StageOutcome { Done, Aborted, Failed };

// Conversion: every video of the list becomes a DVD program stream at its
// vobPath (or keeps its source when that already is one that fits the disc).
// A stream already at vobPath is taken only when its record names the same
// source and encoder options; one without a record is left alone and the
// video gets a new name with a number from takeNumber.
StageOutcome ConvertMediaFiles(AuthoringJob& job, const JobParameters& params, MediaList& list,
                               const std::function<int()>& takeNumber);
StageOutcome ConvertOneItem(AuthoringJob& job, const JobParameters& params, MediaItem& item);
// The encoder options for the job, with every placeholder filled in.
std::string BuildEncodingOptions(const JobParameters& params);
// The whole argument text of one conversion.
std::string BuildConvertCommand(const std::string& options, const std::string& source,
                                const std::string& output, const ProgressLink* link);

// Menus: the title menu and root menu movies.
struct MenuMovies {
    std::string titleMovie;
    std::vector<std::string> rootMovies;  // one per root-menu page
};
StageOutcome MakeMenus(AuthoringJob& job, const JobParameters& params, const MediaList& list,
                       MenuMovies& movies);
struct GridPosition {
    int x;
    int y;
};
// Where thumbnail i (at most 12) sits on a W x H root menu.
std::vector<GridPosition> RootMenuPositions(int width, int height, std::size_t count);
// Encodes background as a still menu movie and multiplexes the three overlay
// pictures onto it; false with reason on failure.
bool BuildMenuMpeg(const std::string& programFolder, const std::string& image,
                   const std::string& highlight, const std::string& select,
                   const std::string& background, const std::string& output, std::string& reason);
// The subpicture control document for spumux.
CXMLAccess BuildSubpictureControl(const std::string& image, const std::string& select,
                                  const std::string& highlight);

// Authoring: a new DVD_ folder under the working folder with its VIDEO_TS.
StageOutcome AuthorDvdFolder(AuthoringJob& job, const JobParameters& params, const MediaList& list,
                             const MenuMovies& movies);
// Sets App().theDvdFolder to the first free DVD_<n> of the working folder.
void ChooseDvdFolder();
CXMLAccess BuildDvdProject(const std::string& dest, const JobParameters& params,
                           const MediaList& list, const MenuMovies& movies);

// Burning: asks for a blank disc and burns theDvdFolder's VIDEO_TS.
StageOutcome BurnDvdFolder(AuthoringJob& job);
