// The commands of quorva-cli. Each returns the process's exit status:
// 0 success, 1 a failed job, 2 bad usage.
#pragma once

#include "cli/CliOptions.h"

// programName: argv[0], for the GUI application object that draws the menus' text.
int RunMakeCommand(const CliOptions& options, const char* programName);
int RunBurnCommand(const CliOptions& options);
int RunCheckCommand(const CliOptions& options);
int RunDevicesCommand();
