#include "pipeline/ConversionBoard.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "platform/Process.h"
#include "platform/Window.h"

namespace {

// What one conversion takes at its peak (the engine's buffers, decoders and
// encoders), with room to spare for the rest of the machine.
constexpr std::int64_t kConversionMB = 250;

// Runs a window's messages on whichever thread sends them: the engines'
// progress reaches the board on their own threads, without waiting for
// another thread to pass it on.
class CallerThread : public platform::Dispatcher {
  public:
    bool IsOwnThread() const override { return true; }
    void Post(std::function<void()> task, unsigned) override { task(); }
};

}  // namespace

std::size_t ConversionSlots(int configured, std::size_t videos) {
    std::size_t slots = 1;
    if (configured > 0) {
        slots = static_cast<std::size_t>(configured);
    } else {
        slots = static_cast<std::size_t>(platform::UsableCores());
        if (const std::int64_t free = platform::AvailableMemoryMB(); free >= 0)
            slots = std::min(
                slots, static_cast<std::size_t>(std::max<std::int64_t>(1, free / kConversionMB)));
    }
    return std::clamp<std::size_t>(slots, 1, std::max<std::size_t>(videos, 1));
}

// A conversion's place on the board: its link, the window the engine reports
// to, and what it reported last.
struct ConversionBoard::Slot : platform::MessageTarget {
    Slot(ConversionBoard& board, std::size_t index) : board(board), index(index) {
        link.hwnd = platform::RegisterWindow(*this, thread);
        link.messageId = WM_CONVERT_PROGRESS;
    }
    ~Slot() override { platform::UnregisterWindow(link.hwnd); }

    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM,
                                platform::LPARAM lParam) override {
        if (message == WM_CONVERT_PROGRESS && lParam)
            board.OnProgress(index, *reinterpret_cast<const ConvertProgressRecord*>(lParam));
        return 0;
    }

    ConversionBoard& board;
    std::size_t index;
    CallerThread thread;
    ProgressLink link;
    std::int32_t seconds = 0;  // of the running conversion; under the board's mutex
    double speed = 0;
};

ConversionBoard::ConversionBoard(ProgressLink& jobLink, platform::CancelSignal& cancel,
                                 std::atomic<std::int64_t>& converted, std::size_t slots)
    : jobLink_(jobLink), converted_(converted) {
    for (std::size_t i = 0; i < std::max<std::size_t>(slots, 1); ++i)
        slots_.push_back(std::make_unique<Slot>(*this, i));
    onCancel_ = cancel.OnCancel([this] { StopAll(); });
}

ConversionBoard::~ConversionBoard() = default;

ProgressLink& ConversionBoard::Link(std::size_t slot) {
    return slots_.at(slot)->link;
}

void ConversionBoard::OnProgress(std::size_t slot, const ConvertProgressRecord& record) {
    // Another conversion's report on its way to the window will be followed
    // by more; this one is dropped rather than holding the conversion up.
    std::unique_lock sending(sending_, std::try_to_lock);
    if (!sending)
        return;
    ConvertProgressRecord combined{};
    {
        std::lock_guard lock(mutex_);
        slots_[slot]->seconds = record.seconds;
        slots_[slot]->speed = record.speed;
        for (const auto& s : slots_) {
            combined.seconds += s->seconds;
            combined.speed += s->speed;
        }
    }
    platform::SendMessage(jobLink_.hwnd, jobLink_.messageId, 0,
                          reinterpret_cast<platform::LPARAM>(&combined));
}

void ConversionBoard::Finished(std::size_t slot, std::int64_t seconds) {
    // Waits for a report in flight, so that the window never counts these
    // seconds twice.
    std::lock_guard sending(sending_);
    std::lock_guard lock(mutex_);
    slots_[slot]->seconds = 0;
    slots_[slot]->speed = 0;
    converted_ += seconds;
}

void ConversionBoard::StopAll() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        for (const auto& s : slots_)
            s->link.abortRequested.store(1);
    }
    changed_.notify_all();
    // Taken once, so that a task about to wait for its turn sees the stop or
    // gets the notification.
    { std::lock_guard turn(turnMutex_); }
    turnChanged_.notify_all();
}

bool ConversionBoard::Stopped() const {
    std::lock_guard lock(mutex_);
    return stopped_;
}

void ConversionBoard::InTurn(std::size_t index, const std::function<void()>& then) {
    {
        std::unique_lock lock(turnMutex_);
        turnChanged_.wait(lock, [&] { return turn_ == index || Stopped(); });
    }
    // Not under the lock: then may wait for the window, which may be
    // stopping the board.
    then();
    {
        std::lock_guard lock(turnMutex_);
        turn_ = std::max(turn_, index + 1);
    }
    turnChanged_.notify_all();
}

void ConversionBoard::Run(std::size_t count,
                          const std::function<void(std::size_t, std::size_t)>& task) {
    std::atomic<std::size_t> next{0};
    std::size_t running = std::min(slots_.size(), count);
    {
        std::vector<std::jthread> workers;
        for (std::size_t slot = 0; slot < running; ++slot) {
            workers.emplace_back([&, slot] {
                for (std::size_t i = next++; i < count && !Stopped(); i = next++)
                    task(i, slot);
                std::lock_guard lock(mutex_);
                --running;
                changed_.notify_all();
            });
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return running == 0; });
    }
}
