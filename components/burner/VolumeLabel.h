// The volume label a disc image can carry: genisoimage refuses a volume id of
// more than 32 bytes, and the label is passed to it as UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace burner {

inline constexpr std::size_t kVolumeLabelBytes = 32;

// Why the image writer would refuse label, or nothing when it takes it.
std::optional<std::string> CheckVolumeLabel(const std::string& label);

// The longest start of label, cut between whole characters, that fits the
// limit.
std::string FitVolumeLabel(const std::string& label);

}  // namespace burner
