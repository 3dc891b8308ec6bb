#include "components/settingscodec/SettingsCodec.h"

#include "platform/Files.h"

namespace {

using namespace settingscodec;

class PlainXmlCodec : public ISettingsCodec {
  public:
    int Decode(const std::string& storedFile, const std::string& plainFile,
               const std::string& keyFile) override {
        auto stored = platform::ReadFile(storedFile);
        if (!stored)
            return DECODE_STORED_UNREADABLE;
        if (!platform::ReadFile(keyFile))
            return DECODE_KEY_UNREADABLE;
        if (!platform::WriteFileAtomically(plainFile, *stored))
            return DECODE_PLAIN_NOT_WRITTEN;
        return CODEC_OK;
    }

    int Encode(const std::string& plainFile, const std::string& storedFile,
               const std::string& keyFile) override {
        auto plain = platform::ReadFile(plainFile);
        if (!plain)
            return ENCODE_PLAIN_UNREADABLE;
        if (!platform::ReadFile(keyFile))
            return ENCODE_KEY_UNREADABLE;
        if (!platform::WriteFileAtomically(storedFile, *plain))
            return ENCODE_STORED_NOT_WRITTEN;
        return CODEC_OK;
    }
};

}  // namespace

std::unique_ptr<ISettingsCodec> CreateSettingsCodec() {
    return std::make_unique<PlainXmlCodec>();
}
