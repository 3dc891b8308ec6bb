#include "components/engine/SceneCuts.h"

#include <cstdlib>

namespace engine {
namespace {

// Every eighth sample of every eighth row: 5400 of a DVD picture.
constexpr int kStep = 8;
// A cut changes the luma by this much on average (of 255) at least, and by
// this many times the usual change.
constexpr double kLeastChange = 20;
constexpr double kTimesUsual = 3;

}  // namespace

bool SceneCuts::IsCut(const AVFrame& frame) {
    std::vector<std::uint8_t> samples;
    samples.reserve(static_cast<std::size_t>(frame.width / kStep + 1) *
                    static_cast<std::size_t>(frame.height / kStep + 1));
    for (int y = 0; y < frame.height; y += kStep) {
        const std::uint8_t* row =
            frame.data[0] + static_cast<std::ptrdiff_t>(y) * frame.linesize[0];
        for (int x = 0; x < frame.width; x += kStep)
            samples.push_back(row[x]);
    }
    bool cut = false;
    if (samples.size() == previous_.size() && !samples.empty()) {
        long total = 0;
        for (std::size_t i = 0; i < samples.size(); ++i)
            total += std::abs(static_cast<int>(samples[i]) - previous_[i]);
        const double change = static_cast<double>(total) / static_cast<double>(samples.size());
        cut = usual_ >= 0 && change > kLeastChange && change > kTimesUsual * usual_;
        if (!cut)
            usual_ = usual_ < 0 ? change : 0.8 * usual_ + 0.2 * change;
    }
    previous_ = std::move(samples);
    return cut;
}

}  // namespace engine
