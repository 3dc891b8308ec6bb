#include "components/engine/ProgressReporter.h"

#include <atomic>
#include <cstring>

#include "platform/Window.h"

namespace engine {
namespace {

constexpr auto kInterval = std::chrono::milliseconds(250);

}  // namespace

ProgressReporter::ProgressReporter(std::intptr_t linkAddress) : link_(linkAddress) {}

bool ProgressReporter::AbortRequested() const {
    if (!link_)
        return false;
    auto* flag = reinterpret_cast<std::int32_t*>(link_ + 8);
    return std::atomic_ref<std::int32_t>(*flag).load(std::memory_order_acquire) != 0;
}

void ProgressReporter::Report(double mediaSeconds, bool force) {
    if (!link_)
        return;
    const auto now = Clock::now();
    if (!force && sent_ > 0 && now - last_ < kInterval)
        return;
    last_ = now;
    std::uint32_t window = 0;
    std::uint32_t message = 0;
    std::memcpy(&window, reinterpret_cast<const void*>(link_), sizeof window);
    std::memcpy(&message, reinterpret_cast<const void*>(link_ + 4), sizeof message);
    const double wall = std::chrono::duration<double>(now - start_).count();
    record_.seconds = static_cast<std::int32_t>(mediaSeconds);
    record_.speed = wall > 0 ? mediaSeconds / wall : 0;
    ++sent_;
    // Synchronous: the record stays valid until the window has handled it.
    platform::SendMessage(window, message, 0, reinterpret_cast<platform::LPARAM>(&record_));
}

}  // namespace engine
