#include "settings/TvStandardDefault.h"

#include <QLocale>
#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

namespace {

// Where television ran at 60 fields a second (NTSC, and Brazil's PAL-M,
// whose DVDs are NTSC): North and Central America, most of the Caribbean
// and of South America, Japan, Korea, Taiwan, the Philippines, Myanmar and
// the Pacific islands tied to the United States. Everywhere else DVDs are
// PAL (SECAM countries too); sorted for the search below.
constexpr std::string_view kNtscTerritories[] = {
    "AG", "AI", "AS", "AW", "BB", "BM", "BO", "BQ", "BR", "BS", "BZ", "CA", "CL", "CO",
    "CR", "CU", "CW", "DM", "DO", "EC", "FM", "GD", "GT", "GU", "GY", "HN", "HT", "JM",
    "JP", "KN", "KR", "KY", "LC", "MH", "MM", "MP", "MS", "MX", "NI", "PA", "PE", "PH",
    "PR", "PW", "SR", "SV", "SX", "TC", "TT", "TW", "UM", "US", "VC", "VE", "VG", "VI",
};

}  // namespace

std::optional<int> TvStandardOfTerritory(const std::string& territory) {
    if (territory.size() != 2 || !std::isalpha(static_cast<unsigned char>(territory[0])) ||
        !std::isalpha(static_cast<unsigned char>(territory[1])))
        return std::nullopt;
    std::string code = territory;
    for (char& c : code)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // Not a country: "ZZ" (unknown) and the private-use codes.
    if (code == "ZZ" || code == "AA" || (code[0] == 'X' && code != "XK") ||
        (code[0] == 'Q' && code[1] >= 'M'))
        return std::nullopt;
    const bool ntsc = std::binary_search(std::begin(kNtscTerritories), std::end(kNtscTerritories),
                                         std::string_view(code));
    return ntsc ? 0 : 1;
}

std::string LocaleTerritory() {
    const QLocale locale = QLocale::system();
    if (locale.territory() == QLocale::AnyTerritory)
        return {};
    return QLocale::territoryToCode(locale.territory()).toStdString();
}
