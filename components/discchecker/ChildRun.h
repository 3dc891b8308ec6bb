// Runs a piece of work in a child process, so that a library call that never
// returns (a player's navigation caught in a loop of a disc's commands) or
// that crashes cannot take the program with it. The parent waits with a time
// bound for each step and for the whole, ends the child at either bound or
// when the caller's cancel comes, and reads what the child found through a
// pipe. The parent sleeps until one of those happens; it does not tick.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace platform {
class CancelSignal;
}

namespace discchecker {

// Shared between the child and its parent while the work runs: the child
// counts each step it begins and names it; the parent watches the count.
struct ChildProgress {
    std::atomic<std::uint64_t> steps{0};
    // When the latest step began, on the steady clock (the same in both).
    std::atomic<std::int64_t> began{0};
    char step[240] = {};
    // Called by the child before each step that might not return.
    void Begin(const std::string& what);
};

struct ChildLimits {
    std::chrono::milliseconds step{3000};     // the longest one step may take
    std::chrono::milliseconds whole{180000};  // the longest the work may take
};

struct ChildResult {
    enum class End { Finished, StepTooLong, TooLong, Stopped, Died } end = End::Died;
    std::string output;  // what the work returned, when Finished
    std::string step;    // the step the child was in when it ended otherwise
    std::string how;     // Died: "signal 6", "status 2", or why no child ran
};

// work runs in a child process and returns what it found. A wait during
// which the child was stopped (SIGSTOP, a terminal's Ctrl-Z) counts for a
// quarter of a second at most against limits. When cancel is given, its
// cancel ends the child at once (Stopped); without it only limits end it.
ChildResult RunInChild(const std::function<std::string(ChildProgress&)>& work,
                       const ChildLimits& limits, platform::CancelSignal* cancel = nullptr);

}  // namespace discchecker
