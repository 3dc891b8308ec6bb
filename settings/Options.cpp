#include "settings/Options.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

template <typename Table>
const typename Table::value_type& Clamped(const Table& table, int index) {
    return table[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(table.size()) - 1))];
}

}  // namespace

int ParseIntOption(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int ReadIntOption(const CXMLAccess& node, const std::string& key) {
    return ParseIntOption(node.GetValue(key));
}

int ReadNewIntOption(const CXMLAccess& node, const std::string& key, int defaultValue) {
    const std::string text = node.GetValue(key, std::to_string(defaultValue));
    return ParseIntOption(text);
}

const DiscType& DiscTypeAt(int index) {
    return Clamped(DiscTypeTable, index);
}
const Quality& QualityAt(int index) {
    return Clamped(QualityTable, index);
}
const TvStandard& TvStandardAt(int index) {
    return Clamped(TvStandardTable, index);
}
const AspectRatio& AspectRatioAt(int index) {
    return Clamped(AspectRatioTable, index);
}
