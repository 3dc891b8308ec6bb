// Opening a media file for reading its streams in the program itself: local
// files only, whatever the name looks like to FFmpeg ("mf:", "concat:", ...).
#pragma once

#include <memory>
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

struct LocalMediaCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using LocalMedia = std::unique_ptr<AVFormatContext, LocalMediaCloser>;

// Opens path through FFmpeg's "file" protocol alone; returns 0, or FFmpeg's
// error code with out left empty.
int OpenLocalMedia(const std::string& path, LocalMedia& out);
