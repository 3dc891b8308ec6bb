// Runs one outside program (found on PATH, no shell) and watches its output.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace authoring {

// Looks at one line of the program's output; fails with a reason when the
// line shows a failure that the program's exit status may not.
using LineCheck = std::function<platform::Result<void>(const std::string& line)>;

struct ToolRun {
    std::string program;            // name looked up on PATH
    std::vector<std::string> args;  // without the program name
    int stdinFd = -1;               // -1: /dev/null
    int stdoutFd = -1;              // -1: captured like the error output
    LineCheck check;
};

struct ToolResult {
    bool ok = false;
    std::string failure;    // why it failed (empty when ok)
    std::string lastLines;  // the last lines of the program's messages
};

// Starts the program, reads its messages to the end, waits for it. ok when
// it ran, exited with status 0 and no line failed the check.
ToolResult RunTool(const ToolRun& run);

}  // namespace authoring
