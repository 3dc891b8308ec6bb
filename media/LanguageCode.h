// Language tags of media files as a DVD's stream tables take them.
#pragma once

#include <string>

// The two-letter ISO 639-1 code for a tag of two or three letters ("eng",
// "fre", "fra", "en", "EN"); empty when the tag is none of them or names no
// language ("und", "mul", "zxx").
std::string DvdLanguageCode(const std::string& tag);
