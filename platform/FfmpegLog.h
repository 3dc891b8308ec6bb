// FFmpeg's own messages (a damaged frame it concealed, a format guessed from
// few bytes) belong to the program's debug log, never to the terminal as they
// are. FFmpeg has one log callback per process; it lives here, in the library
// the program and the engine libraries share, so that it outlives an engine
// library that is unloaded and the program and the engine route alike.
#pragma once

#include <cstdarg>

namespace platform {

// Installs the callback: FFmpeg's messages up to its "info" level go to
// standard error as "ffmpeg: [avi @ 0x...] ..." when QUORVA_DEBUG is set (not
// empty), else nowhere. Called where a process or an engine library first
// reaches FFmpeg; once per process, the later calls do nothing.
void RouteFfmpegLog();

// The callback itself, for a watcher that borrows FFmpeg's callback a while:
// it passes every message on here and gives the callback back with
// av_log_set_callback(&platform::WriteFfmpegLog).
void WriteFfmpegLog(void* context, int level, const char* format, va_list args);

}  // namespace platform
