// The window/message/timer table: synchronous sends across threads, posts,
// timers, and windows that go away while messages are on their way.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/EventLoop.h"
#include "platform/Window.h"

using namespace platform;

namespace {

struct Recorder : MessageTarget {
    std::thread::id handledOn;
    std::vector<std::uint32_t> messages;
    std::vector<std::uint32_t> timers;
    LRESULT OnMessage(std::uint32_t message, WPARAM wParam, LPARAM lParam) override {
        handledOn = std::this_thread::get_id();
        messages.push_back(message);
        return static_cast<LRESULT>(wParam) + lParam;
    }
    void OnTimer(std::uint32_t id) override { timers.push_back(id); }
};

}  // namespace

TEST(WindowTable, SendFromAnotherThreadRunsOnOwnerAndWaits) {
    EventLoop loop;
    Recorder target;
    HWND window = RegisterWindow(target, loop);
    ASSERT_NE(window, 0u);

    std::atomic<LRESULT> result{-1};
    std::thread worker([&] { result = SendMessage(window, 2024, 40, 2); });
    ASSERT_TRUE(loop.RunUntil([&] { return result != -1; }, std::chrono::seconds(5)));
    worker.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(target.handledOn, std::this_thread::get_id());

    // On the owner's own thread the handler runs at once.
    EXPECT_EQ(SendMessage(window, 1, 1, 1), 2);
    EXPECT_EQ(target.messages.size(), 2u);
    UnregisterWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SendMessage(window, 1, 1, 1), 0);
}

TEST(WindowTable, PostedMessagesKeepTheirOrderAndDieWithTheWindow) {
    EventLoop loop;
    Recorder target;
    HWND window = RegisterWindow(target, loop);
    EXPECT_TRUE(PostMessage(window, 1, 0, 0));
    EXPECT_TRUE(PostMessage(window, 2, 0, 0));
    EXPECT_TRUE(target.messages.empty());
    loop.ProcessPending();
    EXPECT_EQ(target.messages, (std::vector<std::uint32_t>{1, 2}));

    PostMessage(window, 3, 0, 0);
    UnregisterWindow(window);
    loop.ProcessPending();
    EXPECT_EQ(target.messages.size(), 2u);
    EXPECT_FALSE(PostMessage(window, 4, 0, 0));
}

TEST(WindowTable, SenderIsReleasedWhenTheWindowGoesAwayOrTheLoopEnds) {
    Recorder target;
    std::atomic<bool> returned{false};
    std::thread worker;
    {
        EventLoop loop;
        HWND window = RegisterWindow(target, loop);
        worker = std::thread([&] {
            SendMessage(window, 7, 0, 0);
            returned = true;
        });
        // Give the send time to be queued, then drop the loop unprocessed.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        UnregisterWindow(window);
    }
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_TRUE(target.messages.empty());
}

TEST(WindowTable, TimersRepeatUntilKilled) {
    EventLoop loop;
    Recorder target;
    HWND window = RegisterWindow(target, loop);
    ASSERT_TRUE(SetTimer(window, 1, 1));
    ASSERT_TRUE(loop.RunUntil([&] { return target.timers.size() >= 3; }, std::chrono::seconds(5)));
    EXPECT_TRUE(KillTimer(window, 1));
    size_t seen = target.timers.size();
    loop.RunUntil([] { return false; }, std::chrono::milliseconds(50));
    EXPECT_EQ(target.timers.size(), seen);
    EXPECT_FALSE(KillTimer(window, 1));
    UnregisterWindow(window);
    EXPECT_FALSE(SetTimer(window, 1, 1));
}
