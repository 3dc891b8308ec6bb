// Message formatting and the crash handler.
#pragma once

#include <string>

// Bound of the formatted text, terminating zero included.
constexpr int kFormatBufferSize = 4096;

// Formats into one process-wide buffer under one lock and copies the result
// into dest. An empty, failed or over-long result shows "Bad Error" and ends
// the process.
std::string& FormatText(std::string& dest, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Formats into a buffer of its own (no lock). An empty, failed or over-long
// result shows "Bad Error" and yields "vsprintf_s function returned 0".
const char* FormatTextLocal(std::string& dest, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Installs the crash handler: a crash shows the apology, writes
// stateFolder + "crash.dmp" (the folder is made now, while that is safe) and
// shows any failure of that through the "quorva-crash-report" program of
// programFolder.
void InstallCrashHandler(const std::string& programFolder, const std::string& stateFolder);

// The crash apology, naming the crash file at dumpPath.
std::string CrashApologyText(const std::string& dumpPath);
inline constexpr const char* kSupportAddress = "support@quorva.org";
inline constexpr const char* kCrashReporterName = "quorva-crash-report";
inline constexpr const char* kCrashDumpName = "crash.dmp";
// Set (to any text) in the environment of a crashed program that has no
// window: the crash reporter then says its messages on standard error only.
inline constexpr const char* kCrashReportOnTerminal = "QUORVA_CRASH_REPORT_ON_TERMINAL";
