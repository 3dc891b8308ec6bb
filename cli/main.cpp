// quorva-cli: makes and burns DVDs from the command line with the same job as
// the program's dialogs.
#include <cstdio>

#include "app/Version.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

int main(int argc, char** argv) {
    std::string error;
    auto options = ParseCommandLine(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "quorva-cli: %s\n\n%s", error.c_str(), kCliUsage);
        return 2;
    }
    switch (options->command) {
        case CliOptions::Command::Help:
            std::printf("%s", kCliUsage);
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
    std::fprintf(stderr, "%s", kCliUsage);
    return 2;
}
