// The engine reads local files only: a source is opened through FFmpeg's
// "file" protocol alone, and pictures are read whole only up to a limit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "components/engine/FfmpegHandles.h"

namespace engine {

// Succeeds when path names a regular file (links followed) that this process
// may read; otherwise says why not: a folder, a device, a pipe, missing, no
// permission.
Status CheckLocalFile(const std::string& path);

// Opens a local media file for demuxing; no other protocol is allowed, also
// not for files the container itself refers to.
Status OpenLocalInput(const std::string& path, InputFormatPtr& out);

// Reads a whole local file of at most maxBytes bytes.
Status ReadLocalFile(const std::string& path, std::int64_t maxBytes, std::vector<char>& bytes);

}  // namespace engine
