// The process's handler of fatal signals.
//
// On a crash the handler, using only async-signal-safe calls, runs a reporter
// program to show the apology (and waits for it), writes a text crash report
// (signal, faulting address, thread, backtrace) to the dump file, runs the
// reporter again for any failure of that, and lets the signal end the process.
#pragma once

#include <string>

namespace platform {

// What the reporter program is asked to show: it is run as
// "<reporter> <kind> <argument>".
inline constexpr const char* kCrashApology = "apology";  // argument: the dump path
inline constexpr const char* kCrashOpenFailed = "open-failed";
inline constexpr const char* kCrashWriteFailed = "write-failed";  // number: errno
inline constexpr const char* kCrashCloseFailed = "close-failed";  // number: errno

// Installs the handler for SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS and
// SIGTRAP. Paths longer than the handler's fixed buffers are refused. May be
// called again to change the paths. False when nothing was installed.
bool InstallCrashHandler(const std::string& dumpPath, const std::string& reporterPath);

}  // namespace platform
