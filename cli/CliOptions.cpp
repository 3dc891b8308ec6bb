#include "cli/CliOptions.h"

#include <cstdlib>
#include <cstring>

#include "engines/DiscBurner.h"
#include "media/LanguageCode.h"
#include "pipeline/DiscAudio.h"
#include "platform/Translation.h"
#include "settings/Options.h"

using platform::FillIn;
using platform::Translate;

const char* const kCliUsage = QUORVA_TEXT(
    "quorva-cli",
    "Usage:\n"
    "  quorva-cli make [--pal|--ntsc] [--aspect 16:9|4:3] [--quality 0-4|fit] [--disc dvd5|dvd9]\n"
    "                  [--stretch] [--label TEXT] [--title TEXT] [--device N | --iso] [--speed N]\n"
    "                  [--working-folder DIR] [--jobs N] [--chapters MIN]\n"
    "                  [--after-each next|menu] [--force] [--yes] [--no-check]\n"
    "                  [--save-project FILE] [--audio all|first|LANG,...]\n"
    "                  [--subtitles all|none|LANG,...] [--subtitle-default LANG]\n"
    "                  [--skip-bad-subtitles] [--verbose] VIDEO...|PROJECT\n"
    "      Converts the videos, makes the menus and authors a DVD folder; with --iso or\n"
    "      --device it also writes a disc image or burns drive N. --quality fit chooses\n"
    "      the rate that fills the disc; --stretch fills the frame instead of keeping\n"
    "      each video's proportions with black bars. --title shows TEXT in the title\n"
    "      menu (default: none, or the project's name). --jobs N converts up to N videos\n"
    "      at once (default: as many as the cores and memory allow; 1: one by one).\n"
    "      --chapters MIN puts a chapter every MIN minutes inside each video (0: one\n"
    "      chapter per video). --after-each menu ends each video in the root menu, its\n"
    "      button highlighted; next (the default) plays the next video.\n"
    "      --audio chooses the sound tracks of each video: all of them (the default),\n"
    "      the first, or those in the languages given (en,fr; a video with none of\n"
    "      them keeps its first).\n"
    "      Subtitles beside a video (NAME.srt, NAME.LANG.srt, .ass, .ssa, .vtt) and inside\n"
    "      it become the disc's subtitles; --subtitles keeps all (default), none, or those\n"
    "      of the languages given (en,fr). None shows until chosen on the player, unless\n"
    "      --subtitle-default LANG shows that language from the start. A subtitle file\n"
    "      that cannot be read stops the run unless --skip-bad-subtitles leaves it out.\n"
    "      A project file (.quorva) gives the videos and their settings; options given\n"
    "      here win. --save-project also saves this run's videos and settings as one\n"
    "      (\".quorva\" is added to a name ending otherwise); it replaces only a project,\n"
    "      or with --force any regular file. --verbose (-v) also shows the FFmpeg\n"
    "      libraries' own messages about the videos.\n"
    "  quorva-cli burn [--device N | --iso] [--speed N] [--label TEXT] [--yes] [--no-check] "
    "FOLDER\n"
    "      Burns an authored DVD folder (one holding VIDEO_TS/VTS_01_0.IFO).\n"
    "      Both check the disc as a player would before burning, and read back and check\n"
    "      what was written afterwards unless --no-check is given. --speed N burns at N\n"
    "      times DVD speed (1 to 24; 0, the default: the drive's best).\n"
    "  quorva-cli check [--label TEXT] FOLDER|IMAGE\n"
    "      Checks a DVD folder or disc image as a player would use it; exits with 0 when\n"
    "      every check passed, else 1.\n"
    "  quorva-cli devices\n"
    "      Lists the burner devices.\n"
    "  quorva-cli --help | --version\n"
    "\n"
    "Options given here hold for this run only; the program's options file is not changed\n"
    "(except for the running number that names converted videos).\n");

namespace {

bool ParseInt(const char* text, int low, int high, int& out) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

platform::Result<CliOptions> ParseCommandLine(int argc, char** argv) {
    using platform::Fail;
    CliOptions options;
    // Set by the helpers below when they refuse an argument.
    std::string error;
    if (argc < 2) {
        return Fail(Translate("quorva-cli", "No command given."));
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        options.command = CliOptions::Command::Help;
        return options;
    }
    if (command == "--version") {
        options.command = CliOptions::Command::Version;
        return options;
    }
    if (command == "make")
        options.command = CliOptions::Command::Make;
    else if (command == "burn")
        options.command = CliOptions::Command::Burn;
    else if (command == "check")
        options.command = CliOptions::Command::Check;
    else if (command == "devices")
        options.command = CliOptions::Command::Devices;
    else {
        return Fail(FillIn(Translate("quorva-cli", "Unknown command \"%1\"."), {command}));
    }
    const bool make = options.command == CliOptions::Command::Make;
    const bool burn = options.command == CliOptions::Command::Burn;
    const bool check = options.command == CliOptions::Command::Check;

    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                error = FillIn(Translate("quorva-cli", "%1 needs a value."), {name});
                return nullptr;
            }
            return argv[++i];
        };
        auto only = [&](bool allowed) {
            if (!allowed)
                error =
                    FillIn(Translate("quorva-cli", "%1 does not apply to \"%2\"."), {arg, command});
            return allowed;
        };
        if (arg == "--help" || arg == "-h") {
            options.command = CliOptions::Command::Help;
            return options;
        } else if (arg == "--pal") {
            if (!only(make))
                return Fail(error);
            options.tvStandard = 1;
        } else if (arg == "--ntsc") {
            if (!only(make))
                return Fail(error);
            options.tvStandard = 0;
        } else if (arg == "--aspect") {
            const char* v = value("--aspect");
            if (!v || !only(make))
                return Fail(error);
            if (std::strcmp(v, "16:9") == 0)
                options.aspectRatio = 0;
            else if (std::strcmp(v, "4:3") == 0)
                options.aspectRatio = 1;
            else {
                return Fail(Translate("quorva-cli", "--aspect takes 16:9 or 4:3."));
            }
        } else if (arg == "--quality") {
            const char* v = value("--quality");
            int q = 0;
            if (!v || !only(make))
                return Fail(error);
            if (std::strcmp(v, "fit") == 0) {
                q = kFitToDiscQuality;
            } else if (!ParseInt(v, 0, 4, q)) {
                return Fail(
                    Translate("quorva-cli", "--quality takes a level from 0 (best) to 4, or fit."));
            }
            options.quality = q;
        } else if (arg == "--disc") {
            const char* v = value("--disc");
            if (!v || !only(make))
                return Fail(error);
            options.discTypeGiven = true;
            if (std::strcmp(v, "dvd5") == 0)
                options.discType = 0;
            else if (std::strcmp(v, "dvd9") == 0)
                options.discType = 1;
            else {
                return Fail(Translate("quorva-cli", "--disc takes dvd5 or dvd9."));
            }
        } else if (arg == "--stretch") {
            if (!only(make))
                return Fail(error);
            options.stretch = true;
        } else if (arg == "--label") {
            const char* v = value("--label");
            if (!v || !only(make || burn || check))
                return Fail(error);
            options.label = v;
        } else if (arg == "--title") {
            const char* v = value("--title");
            if (!v || !only(make))
                return Fail(error);
            options.title = v;
        } else if (arg == "--device") {
            const char* v = value("--device");
            int n = 0;
            if (!v || !only(make || burn))
                return Fail(error);
            if (!ParseInt(v, 0, 1000, n)) {
                return Fail(Translate(
                    "quorva-cli", "--device takes a device number (see \"quorva-cli devices\")."));
            }
            options.device = n;
        } else if (arg == "--speed") {
            const char* v = value("--speed");
            int n = 0;
            if (!v || !only(make || burn))
                return Fail(error);
            if (!ParseInt(v, 0, kMaxDvdSpeed, n)) {
                return Fail(FillIn(Translate("quorva-cli",
                                             "--speed takes a DVD speed from 1 to %1, or 0 for the "
                                             "drive's best."),
                                   {std::to_string(kMaxDvdSpeed)}));
            }
            options.speed = n;
        } else if (arg == "--iso") {
            if (!only(make || burn))
                return Fail(error);
            options.iso = true;
        } else if (arg == "--jobs") {
            const char* v = value("--jobs");
            int n = 0;
            if (!v || !only(make))
                return Fail(error);
            if (!ParseInt(v, 1, 64, n)) {
                return Fail(
                    Translate("quorva-cli", "--jobs takes a number of conversions from 1 to 64."));
            }
            options.jobs = n;
        } else if (arg == "--chapters") {
            const char* v = value("--chapters");
            int n = 0;
            if (!v || !only(make))
                return Fail(error);
            if (!ParseInt(v, 0, 999, n)) {
                return Fail(Translate(
                    "quorva-cli",
                    "--chapters takes minutes from 0 to 999 (0: one chapter per video)."));
            }
            options.chapterMinutes = n;
        } else if (arg == "--audio") {
            const char* v = value("--audio");
            if (!v || !only(make))
                return Fail(error);
            MediaItem probe;
            if (!ChooseAudioTracks(probe, v, "")) {
                return Fail("--audio takes all, first or languages such as en,fr.");
            }
            options.audio = v;
        } else if (arg == "--after-each") {
            const char* v = value("--after-each");
            if (!v || !only(make))
                return Fail(error);
            if (std::strcmp(v, "next") == 0)
                options.afterEach = 0;
            else if (std::strcmp(v, "menu") == 0)
                options.afterEach = 1;
            else {
                return Fail("--after-each takes next or menu.");
            }
        } else if (arg == "--working-folder") {
            const char* v = value("--working-folder");
            if (!v || !only(make))
                return Fail(error);
            if (!*v) {  // would be taken as the root folder
                return Fail(Translate("quorva-cli",
                                      "--working-folder needs a folder; an empty name is none."));
            }
            options.workingFolder = v;
        } else if (arg == "--save-project") {
            const char* v = value("--save-project");
            if (!v || !only(make))
                return Fail(error);
            options.saveProject = v;
        } else if (arg == "--subtitles") {
            const char* v = value("--subtitles");
            if (!v || !only(make))
                return Fail(error);
            std::vector<std::string> languages;
            const std::string list = v;
            if (list != "all" && list != "none") {
                for (std::size_t at = 0; at <= list.size();) {
                    std::size_t comma = list.find(',', at);
                    if (comma == std::string::npos)
                        comma = list.size();
                    const std::string code = DvdLanguageCode(list.substr(at, comma - at));
                    if (code.empty()) {
                        return Fail("--subtitles takes all, none or language codes such as en,fr.");
                    }
                    languages.push_back(code);
                    at = comma + 1;
                }
            }
            if (list == "all")
                options.subtitleLanguages.reset();
            else
                options.subtitleLanguages = languages;
        } else if (arg == "--subtitle-default") {
            const char* v = value("--subtitle-default");
            if (!v || !only(make))
                return Fail(error);
            options.subtitleDefault = DvdLanguageCode(v);
            if (options.subtitleDefault->empty()) {
                return Fail("--subtitle-default takes a language code such as en.");
            }
        } else if (arg == "--skip-bad-subtitles") {
            if (!only(make))
                return Fail(error);
            options.skipBadSubtitles = true;
        } else if (arg == "--force") {
            if (!only(make))
                return Fail(error);
            options.force = true;
        } else if (arg == "--no-check") {
            if (!only(make || burn))
                return Fail(error);
            options.checkAfterBurn = false;
        } else if (arg == "--verbose" || arg == "-v") {
            if (!only(make))
                return Fail(error);
            options.verbose = true;
        } else if (arg == "--yes" || arg == "-y") {
            if (!only(make || burn))
                return Fail(error);
            options.yes = true;
        } else if (arg == "--") {
            for (++i; i < argc; ++i)
                options.inputs.emplace_back(argv[i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Fail(FillIn(Translate("quorva-cli", "Unknown option %1."), {arg}));
        } else {
            options.inputs.push_back(arg);
        }
        if (!error.empty())
            return Fail(error);
    }
    if (options.iso && options.device) {
        return Fail(Translate("quorva-cli", "Give either --device or --iso, not both."));
    }
    if (make && options.inputs.empty()) {
        return Fail(Translate("quorva-cli", "No video given."));
    }
    if (burn && options.inputs.size() != 1) {
        return Fail(Translate("quorva-cli", "Give exactly one DVD folder to burn."));
    }
    if (check && options.inputs.size() != 1) {
        return Fail(Translate("quorva-cli", "Give exactly one DVD folder or disc image to check."));
    }
    if (options.command == CliOptions::Command::Devices && !options.inputs.empty()) {
        return Fail(Translate("quorva-cli", "\"devices\" takes no arguments."));
    }
    return options;
}
