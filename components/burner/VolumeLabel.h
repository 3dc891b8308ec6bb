// The volume label a disc image can carry: genisoimage refuses a volume id of
// more than 32 bytes, and the label is passed to it as UTF-8. The UDF label
// keeps the whole text; the ISO 9660 volume id holds only capital letters,
// digits and '_', so it carries the label spelt with those.
#pragma once

#include <cstddef>
#include <string>

#include "platform/Result.h"

namespace burner {

inline constexpr std::size_t kVolumeLabelBytes = 32;

// Whether the image writer takes label; when not, why it would refuse it.
platform::Result<void> CheckVolumeLabel(const std::string& label);

// The longest start of label, cut between whole characters, that fits the
// limit.
std::string FitVolumeLabel(const std::string& label);

// The ISO 9660 volume id for label: letters in capitals, accented Latin
// letters as their base letter, digits kept, anything else '_'; at most 32
// characters. "Holiday 2024 é" gives "HOLIDAY_2024_E".
std::string IsoVolumeId(const std::string& label);

}  // namespace burner
