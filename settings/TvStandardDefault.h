// The TV standard a new options file starts with: the one of the user's
// country, so that a first disc plays on the televisions around the user.
#pragma once

#include <optional>
#include <string>

// 0 (NTSC) or 1 (PAL), as TARGET_DVD_TYPE stores it, for a country given by
// its two-letter code ("DE", "us"); nullopt when the code names no country.
std::optional<int> TvStandardOfTerritory(const std::string& territory);

// The two-letter code of the country of the user's locale (LC_ALL,
// LC_NUMERIC, LANG, ...); empty for the C locale or no country.
std::string LocaleTerritory();
