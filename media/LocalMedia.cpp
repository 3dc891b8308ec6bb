#include "media/LocalMedia.h"

int OpenLocalMedia(const std::string& path, LocalMedia& out) {
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* raw = nullptr;
    const int opened = avformat_open_input(&raw, ("file:" + path).c_str(), nullptr, &options);
    av_dict_free(&options);
    out.reset(opened < 0 ? nullptr : raw);
    return opened < 0 ? opened : 0;
}
