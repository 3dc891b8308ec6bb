#include "components/burner/VolumeLabel.h"

#include "platform/Utf8.h"

namespace burner {

std::optional<std::string> CheckVolumeLabel(const std::string& label) {
    if (!platform::IsValidUtf8(label))
        return "The volume label \"" + label + "\" is not valid UTF-8 text.";
    if (label.size() > kVolumeLabelBytes)
        return "The volume label \"" + label + "\" takes " + std::to_string(label.size()) +
               " bytes; a disc's volume label holds at most " + std::to_string(kVolumeLabelBytes) +
               " (a letter with an accent takes two or more).";
    return std::nullopt;
}

std::string FitVolumeLabel(const std::string& label) {
    std::size_t end = 0;
    for (std::size_t at = 0; at < label.size();) {
        const std::size_t length = platform::Utf8SequenceLength(label, at);
        if (length == 0 || at + length > kVolumeLabelBytes)
            break;
        at += length;
        end = at;
    }
    return label.substr(0, end);
}

}  // namespace burner
