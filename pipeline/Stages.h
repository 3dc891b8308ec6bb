// The stages of an authoring job, run one after another by the worker.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "components/discchecker/DiscChecker.h"
#include "media/MediaItem.h"
#include "pipeline/AuthoringJob.h"
#include "pipeline/JobContext.h"
#include "platform/Result.h"

class CXMLAccess;

enum class StageOutcome { Done, Aborted, Failed };

// Conversion: every video of job.videos becomes a DVD program stream at its
// vobPath (or keeps its source when that already is one that fits the disc).
// A finished stream in the working folder, under any running number, is
// taken (and logged as reused) when its record names the same source, as it
// is now, and encoder options; a stream at vobPath without a record is left
// alone and the video gets a new name with a number from the input's
// takeRunningNumber. A source listed twice is converted once.
// allStarted, when given, is called once no video is left to start (at once
// when none needs converting), on whichever thread started the last.
StageOutcome ConvertMediaFiles(JobContext& job, const std::function<void()>& allStarted = {});
StageOutcome ConvertOneItem(JobContext& job, MediaItem& item);
// Whether conversion would take a finished stream for item instead of
// converting it.
bool HasConvertedStream(const MediaItem& item, const JobParameters& params);
// The encoder options for the job, with every placeholder filled in.
std::string BuildEncodingOptions(const JobParameters& params);
// The same for one video: with its sound tracks where they are not the
// engine's own choice.
std::string BuildItemEncodingOptions(const JobParameters& params, const MediaItem& item);
// The whole argument text of one conversion.
std::string BuildConvertCommand(const std::string& options, const std::string& source,
                                const std::string& output, const ProgressLink* link);

// Subtitles: the readable subtitles of each video are multiplexed into a
// new stream beside its own (item.subtitledPath), one subpicture stream each,
// in their order; the converted stream is never changed. A track with no cue
// inside the video gets a problem and no stream.
StageOutcome AddSubtitleStreams(JobContext& job);
// Takes the subtitles the user left off out of the videos, before anything
// reads them. A stream a source used as it is carries stays: it is on the
// disc with the video's pictures.
void LeaveOffDroppedSubtitles(MediaList& videos);
// Reads every subtitle file again (it may have changed since its video was
// added) and gives the problems of all tracks that cannot be used, each
// naming its file; those tracks keep their problem and are left out.
std::vector<std::string> SubtitleProblems(MediaList& videos);
// The title set's subpicture stream table: per stream number, the language
// the videos' streams there name ("" when none says, or when they name
// different ones).
std::vector<std::string> SubpictureLanguages(const MediaList& videos);
// The subpicture stream of item in language; -1 when it has none.
int SubpictureStreamOf(const MediaItem& item, const std::string& language);

// Menus: the title menu and root menu movies.
struct MenuMovies {
    std::string titleMovie;
    std::vector<std::string> rootMovies;  // one per root-menu page
};
// Makes them from the videos' thumbnails, names and order and the job's
// fixed input only (not its changing state), so that this may run on a thread
// of its own while the videos are converted. stop is asked between the
// steps; a making that fails or is stopped leaves no menu movie behind.
platform::Result<void> MakeMenuMovies(const JobContext& job, const MediaList& videos,
                                      MenuMovies& movies, const std::function<bool()>& stop);
void RemoveMenuMovies(const MenuMovies& movies);
struct GridPosition {
    int x;
    int y;
};
// Where thumbnail i (at most 12) sits on a W x H root menu.
std::vector<GridPosition> RootMenuPositions(int width, int height, std::size_t count);
// Encodes background as a still menu movie of the job's frame and multiplexes
// the three overlay pictures onto it.
platform::Result<void> BuildMenuMpeg(const EngineLibraries& libraries, const JobParameters& params,
                                     const std::string& image, const std::string& highlight,
                                     const std::string& select, const std::string& background,
                                     const std::string& output);
// The subpicture control document for spumux.
CXMLAccess BuildSubpictureControl(const std::string& image, const std::string& select,
                                  const std::string& highlight);

// Authoring: a new DVD_ folder under the working folder with its VIDEO_TS;
// job.result.dvdFolder names it.
StageOutcome AuthorDvdFolder(JobContext& job, const MenuMovies& movies);
// The same with the dvdauthor project that makeProject gives for the new
// folder (its path, without a trailing '/').
StageOutcome AuthorDvdFolder(JobContext& job,
                             const std::function<CXMLAccess(const std::string&)>& makeProject);
// The first free DVD_<n> of workingFolder (ending with '/').
std::string ChooseDvdFolder(const std::string& workingFolder);
// defaultSubtitle: the language whose subtitles show from the start of each
// title that has them; empty: none shows unless forced.
CXMLAccess BuildDvdProject(const std::string& dest, const JobParameters& params,
                           const MediaList& list, const MenuMovies& movies,
                           const std::string& defaultSubtitle = {});

// Disc check: plays the disc at path (a DVD folder, an image, a drive) as a
// player would. All passed: one log line. Otherwise the report goes to the
// log and the job fails with subject ("The DVD folder ...") and what is
// wrong. The report is kept in job.result.discCheckLines.
StageOutcome CheckDiscStage(JobContext& job, const std::string& path,
                            const discchecker::DiscExpectation& expected,
                            const std::string& subject);
// The same check without failing the job: a failure with the reason unless
// all passed; the report is headed by name. insideBurn: the check is a phase
// of a running burn, whose lines are the burn's messages and never wait for
// an open question.
platform::Result<void> RunDiscCheck(JobContext& job, const std::string& path,
                                    const std::string& name,
                                    const discchecker::DiscExpectation& expected,
                                    const std::string& subject, bool insideBurn);
// What a disc authored from list holds: each video of its length, with a
// chapter every chapterMinutes inside it.
discchecker::DiscExpectation ExpectedDisc(const MediaList& list, int chapterMinutes);

// True when the burner's device index writes a disc image file, not a disc.
bool IsImageDevice(IDiscBurner& burner, std::int32_t index);

// Burning: checks job.result.dvdFolder unless folderChecked, asks for a blank
// disc, burns its VIDEO_TS and, unless switched off, checks what was written.
// expected is what the folder must hold (empty when not known).
StageOutcome BurnDvdFolder(JobContext& job, const discchecker::DiscExpectation& expected,
                           bool folderChecked);
