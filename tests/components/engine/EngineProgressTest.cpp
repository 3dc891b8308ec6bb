// Progress messages during a conversion, and stopping on request.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "EngineTestKit.h"
#include "platform/EventLoop.h"
#include "platform/Files.h"
#include "platform/Window.h"

namespace {

using namespace enginetest;
using Clock = std::chrono::steady_clock;

// The caller's side of the link the engine reports through.
struct Link {
    std::uint32_t hwnd = 0;
    std::uint32_t messageId = 8024;
    std::atomic<std::int32_t> abortRequested{0};
};
static_assert(sizeof(Link) == 12);

struct Report {
    std::int32_t seconds;
    double speed;
};

// Collects the progress records on the test thread and can ask for an abort.
class ProgressWindow : public platform::MessageTarget {
  public:
    ProgressWindow(platform::EventLoop& loop, Link& link) : link_(link) {
        link.hwnd = platform::RegisterWindow(*this, loop);
    }
    ~ProgressWindow() override { platform::UnregisterWindow(link_.hwnd); }
    platform::LRESULT OnMessage(std::uint32_t message, platform::WPARAM,
                                platform::LPARAM lParam) override {
        if (message != 8024)
            return 0;
        const auto* record = reinterpret_cast<const unsigned char*>(lParam);
        Report report{};
        std::memcpy(&report.seconds, record + 12, 4);
        std::memcpy(&report.speed, record + 16, 8);
        reports.push_back(report);
        if (abortAfterFirst && !abortAt) {
            abortAt = Clock::now();
            link_.abortRequested = 1;
        }
        return 0;
    }
    std::vector<Report> reports;
    bool abortAfterFirst = false;
    std::optional<Clock::time_point> abortAt;

  private:
    Link& link_;
};

class EngineProgress : public ::testing::Test {
  protected:
    // Runs the conversion on a worker thread while the test thread handles
    // the window's messages; returns the engine's result.
    int Convert(const std::string& source, Link& link) {
        std::atomic<bool> done{false};
        int result = -1;
        std::thread worker([&] {
            result = RunEngine(
                ConversionText(Target{}, source, output, reinterpret_cast<std::intptr_t>(&link)));
            finished = Clock::now();
            done = true;
        });
        const bool inTime = loop.RunUntil([&] { return done.load(); }, std::chrono::seconds(120));
        worker.join();
        EXPECT_TRUE(inTime);
        return result;
    }
    testsupport::TempFolder folder;
    std::string output = folder / "out.vob";
    platform::EventLoop loop;
    Clock::time_point finished;
};

TEST_F(EngineProgress, ReportsSecondsUpToTheDurationAndTheSpeed) {
    const std::string source = folder / "six.mp4";
    ASSERT_TRUE(MakeClip(source, {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=6",
                                  "-f", "lavfi", "-i", "sine=duration=6", "-c:v", "libx264",
                                  "-preset", "ultrafast", "-c:a", "aac"}));
    Link link;
    ProgressWindow window(loop, link);
    ASSERT_EQ(Convert(source, link), 0);
    ASSERT_GE(window.reports.size(), 2u);
    for (std::size_t i = 1; i < window.reports.size(); ++i)
        EXPECT_GE(window.reports[i].seconds, window.reports[i - 1].seconds);
    EXPECT_EQ(window.reports.back().seconds, 6);
    for (const Report& r : window.reports)
        EXPECT_GT(r.speed, 0.0);
    EXPECT_TRUE(platform::IsRegularFile(output));
}

TEST_F(EngineProgress, StopsPromptlyOnAbortAndLeavesNoOutput) {
    const std::string source = folder / "long.avi";
    ASSERT_TRUE(MakeClip(source, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=60",
                                  "-c:v", "mpeg4", "-q:v", "5"}));
    Link link;
    ProgressWindow window(loop, link);
    window.abortAfterFirst = true;
    EXPECT_NE(Convert(source, link), 0);
    ASSERT_TRUE(window.abortAt.has_value());
    EXPECT_LT(finished - *window.abortAt, std::chrono::milliseconds(500));
    EXPECT_FALSE(platform::PathExists(output));
    EXPECT_FALSE(platform::PathExists(output + ".part"));
}

TEST_F(EngineProgress, AnAbortSetBeforeTheCallStopsAtOnce) {
    const std::string source = folder / "short.avi";
    ASSERT_TRUE(MakeClip(
        source, {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-c:v", "mpeg4"}));
    Link link;
    ProgressWindow window(loop, link);
    link.abortRequested = 1;
    EXPECT_NE(Convert(source, link), 0);
    EXPECT_FALSE(platform::PathExists(output));
}

}  // namespace
