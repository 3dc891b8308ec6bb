// The settings-file codec: turns a stored settings file into plain XML and
// back. Its stored form is the plain XML itself; the key file must be present
// and readable, its content is not interpreted.
#pragma once

#include <memory>
#include <string>

class ISettingsCodec {
  public:
    virtual ~ISettingsCodec() = default;
    // Writes the plain XML of storedFile to plainFile. 0 on success.
    virtual int Decode(const std::string& storedFile, const std::string& plainFile,
                       const std::string& keyFile) = 0;
    // Writes plainFile in stored form to storedFile, replacing it in one step
    // (a temporary file renamed over the target), so an interrupted write never
    // leaves a half-written file. 0 (or ENCODE_DONE) on success.
    virtual int Encode(const std::string& plainFile, const std::string& storedFile,
                       const std::string& keyFile) = 0;
};

namespace settingscodec {

constexpr int CODEC_OK = 0;
constexpr int DECODE_STORED_UNREADABLE = 15000;
constexpr int DECODE_KEY_UNREADABLE = 15001;
constexpr int DECODE_PLAIN_NOT_WRITTEN = 15002;
constexpr int ENCODE_DONE = 11000;  // a success code, as is 0
constexpr int ENCODE_PLAIN_UNREADABLE = 12001;
constexpr int ENCODE_KEY_UNREADABLE = 12002;
constexpr int ENCODE_STORED_NOT_WRITTEN = 12003;

}  // namespace settingscodec

// A new codec object, for one load or save.
std::unique_ptr<ISettingsCodec> CreateSettingsCodec();
