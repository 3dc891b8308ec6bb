// The commands of quorva-cli. Each returns the process's exit status:
// 0 success, 1 a failed job, 2 bad usage.
#pragma once

#include "cli/CliOptions.h"

int RunMakeCommand(const CliOptions& options);
int RunBurnCommand(const CliOptions& options);
int RunDevicesCommand();
