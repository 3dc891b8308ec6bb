#include "platform/Window.h"

#include <future>
#include <map>
#include <memory>
#include <mutex>

namespace platform {
namespace {

struct Entry {
    MessageTarget* target;
    Dispatcher* dispatcher;
    std::map<std::uint32_t, std::uint64_t> timers;  // timer id -> generation
};

struct Table {
    std::mutex mutex;
    std::map<HWND, std::shared_ptr<Entry>> windows;
    HWND next = 0x10000;
    std::uint64_t timerGeneration = 0;
};

Table& TheTable() {
    static Table table;
    return table;
}

std::shared_ptr<Entry> Find(HWND window) {
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    auto it = table.windows.find(window);
    return it == table.windows.end() ? nullptr : it->second;
}

bool StillRegistered(HWND window, const Entry* entry) {
    auto current = Find(window);
    return current && current.get() == entry;
}

// Sets the promise when the task is dropped without running, so that a
// sender never waits for a message that will not be handled.
struct PendingSend {
    std::promise<LRESULT> result;
    bool done = false;
    void Finish(LRESULT value) {
        if (!done) {
            done = true;
            result.set_value(value);
        }
    }
    ~PendingSend() { Finish(0); }
};

void ScheduleTimer(HWND window, std::uint32_t timerId, std::uint64_t generation, unsigned period) {
    auto entry = Find(window);
    if (!entry)
        return;
    entry->dispatcher->Post(
        [window, timerId, generation, period] {
            auto current = Find(window);
            if (!current)
                return;
            {
                std::lock_guard lock(TheTable().mutex);
                auto it = current->timers.find(timerId);
                if (it == current->timers.end() || it->second != generation)
                    return;
            }
            current->target->OnTimer(timerId);
            ScheduleTimer(window, timerId, generation, period);
        },
        period);
}

}  // namespace

void RunAndWait(Dispatcher& dispatcher, std::function<void()> task) {
    if (dispatcher.IsOwnThread()) {
        task();
        return;
    }
    auto pending = std::make_shared<PendingSend>();
    std::future<LRESULT> done = pending->result.get_future();
    dispatcher.Post([pending, task = std::move(task)] {
        task();
        pending->Finish(0);
    });
    pending.reset();  // the queued task now holds the only reference
    done.wait();
}

HWND RegisterWindow(MessageTarget& target, Dispatcher& dispatcher) {
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    HWND handle = table.next++;
    if (table.next == 0)
        table.next = 0x10000;
    table.windows[handle] = std::make_shared<Entry>(Entry{&target, &dispatcher, {}});
    return handle;
}

void UnregisterWindow(HWND window) {
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    table.windows.erase(window);
}

bool IsWindow(HWND window) {
    return Find(window) != nullptr;
}

LRESULT SendMessage(HWND window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    auto entry = Find(window);
    if (!entry)
        return 0;
    if (entry->dispatcher->IsOwnThread())
        return entry->target->OnMessage(message, wParam, lParam);

    auto pending = std::make_shared<PendingSend>();
    std::future<LRESULT> result = pending->result.get_future();
    Entry* raw = entry.get();
    entry->dispatcher->Post([window, raw, message, wParam, lParam, pending] {
        if (StillRegistered(window, raw))
            pending->Finish(raw->target->OnMessage(message, wParam, lParam));
        else
            pending->Finish(0);
    });
    pending.reset();  // the queued task now holds the only reference
    entry.reset();
    return result.get();
}

bool PostMessage(HWND window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    auto entry = Find(window);
    if (!entry)
        return false;
    Entry* raw = entry.get();
    entry->dispatcher->Post([window, raw, message, wParam, lParam] {
        if (StillRegistered(window, raw))
            raw->target->OnMessage(message, wParam, lParam);
    });
    return true;
}

bool SetTimer(HWND window, std::uint32_t timerId, unsigned periodMs) {
    auto entry = Find(window);
    if (!entry)
        return false;
    std::uint64_t generation;
    {
        Table& table = TheTable();
        std::lock_guard lock(table.mutex);
        generation = ++table.timerGeneration;
        entry->timers[timerId] = generation;
    }
    ScheduleTimer(window, timerId, generation, periodMs);
    return true;
}

bool KillTimer(HWND window, std::uint32_t timerId) {
    auto entry = Find(window);
    if (!entry)
        return false;
    std::lock_guard lock(TheTable().mutex);
    return entry->timers.erase(timerId) > 0;
}

}  // namespace platform
