// Windows, messages and timers: a process-wide table of 32-bit window handles.
//
// A window is any object that registers itself as the message target of a
// handle, together with the dispatcher of the thread it lives on. SendMessage
// runs the target's handler on that thread and waits for it; PostMessage
// queues it; SetTimer delivers timer events on that thread until KillTimer.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

using HWND = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// The thread a window lives on. The plain EventLoop (EventLoop.h) serves tests
// and the command line; the user interface supplies one that runs on Qt's
// event loop.
class Dispatcher {
  public:
    virtual ~Dispatcher() = default;
    // True when called on the dispatcher's own thread.
    virtual bool IsOwnThread() const = 0;
    // Runs task on the dispatcher's own thread, after delayMs milliseconds.
    virtual void Post(std::function<void()> task, unsigned delayMs = 0) = 0;
};

// Runs task on the dispatcher's thread and waits until it has run; runs it at
// once when called on that thread. A task the dispatcher drops unrun (its
// loop ended) ends the wait too.
void RunAndWait(Dispatcher& dispatcher, std::function<void()> task);

class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    virtual LRESULT OnMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnTimer(std::uint32_t /*timerId*/) {}
};

// Registers target as a window living on dispatcher's thread; returns its
// handle (never 0). Both must outlive the registration.
HWND RegisterWindow(MessageTarget& target, Dispatcher& dispatcher);
// Removes the window and its timers. Messages still queued for it are dropped
// (a SendMessage waiting on one returns 0).
void UnregisterWindow(HWND window);
bool IsWindow(HWND window);

// Runs the handler on the window's thread and returns its result; waits when
// called from another thread. 0 when the window does not exist.
LRESULT SendMessage(HWND window, std::uint32_t message, WPARAM wParam, LPARAM lParam);
// Queues the message; false when the window does not exist.
bool PostMessage(HWND window, std::uint32_t message, WPARAM wParam, LPARAM lParam);
// Starts (or restarts) a periodic timer; OnTimer(timerId) runs on the window's
// thread every periodMs milliseconds until KillTimer.
bool SetTimer(HWND window, std::uint32_t timerId, unsigned periodMs);
bool KillTimer(HWND window, std::uint32_t timerId);

}  // namespace platform
