// quorva-cli: makes and burns DVDs from the command line with the same job as
// the program's dialogs.
#include <cstdio>
#include <cstdlib>

#include "app/Diagnostics.h"
#include "app/QuorvaApp.h"
#include "app/Version.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "platform/FfmpegLog.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace {

// A crash of the command line leaves its report where the program's crash
// does, and says so on the terminal only: no window waits for a click.
void InstallCrashReport() {
    const std::string folder = ProgramFolderOf(platform::ExecutableFolder());
    if (folder.empty())
        return;
    setenv(kCrashReportOnTerminal, "1", 1);
    InstallCrashHandler(folder, platform::StateHome() + "quorva/");
}

}  // namespace

int main(int argc, char** argv) {
    InstallCrashReport();
    // Before the first video is read: FFmpeg's messages to the debug log.
    platform::RouteFfmpegLog();
    // Speaks the user's language, from the program folder's catalogues.
    platform::UseTranslations(ProgramFolderOf(platform::ExecutableFolder()) + "translations/");
    const std::string usage = platform::Translate("quorva-cli", kCliUsage);
    auto options = ParseCommandLine(argc, argv);
    if (!options) {
        std::fprintf(stderr, "quorva-cli: %s\n\n%s", options.error().c_str(), usage.c_str());
        return 2;
    }
    switch (options->command) {
        case CliOptions::Command::Help:
            std::printf("%s", usage.c_str());
            return 0;
        case CliOptions::Command::Version:
            std::printf("quorva-cli %s\n", ProductVersion());
            return 0;
        case CliOptions::Command::Make:
            return RunMakeCommand(*options, argv[0]);
        case CliOptions::Command::Burn:
            return RunBurnCommand(*options);
        case CliOptions::Command::Check:
            return RunCheckCommand(*options);
        case CliOptions::Command::Devices:
            return RunDevicesCommand();
        case CliOptions::Command::None:
            break;
    }
    std::fprintf(stderr, "%s", usage.c_str());
    return 2;
}
