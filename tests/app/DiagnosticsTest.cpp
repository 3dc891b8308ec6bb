// The two formatters: results, the failure cases, the shared buffer under load.
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "app/Diagnostics.h"
#include "platform/MessageBox.h"

namespace {

// A format that produces no characters, out of the compiler's sight (it
// would flag the empty format itself).
const char* EmptyFormat() {
    static std::string empty;
    return empty.c_str();
}

class DiagnosticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        presenter = std::make_shared<platform::ScriptedPresenter>();
        previous = platform::SetMessagePresenter(presenter);
    }
    void TearDown() override { platform::SetMessagePresenter(previous); }

    std::shared_ptr<platform::ScriptedPresenter> presenter;
    std::shared_ptr<platform::MessagePresenter> previous;
};

TEST_F(DiagnosticsTest, FormatTextFormatsIntoTheDestination) {
    std::string dest = "old";
    EXPECT_EQ(&FormatText(dest, "%d", -1), &dest);
    EXPECT_EQ(dest, "-1");
    FormatText(dest, "Can't read config file<%s>, please re-install!!", "/p/o.data");
    EXPECT_EQ(dest, "Can't read config file</p/o.data>, please re-install!!");
    // The longest text that fits: 4095 characters and the terminating zero.
    const std::string longest(kFormatBufferSize - 1, 'x');
    EXPECT_EQ(FormatText(dest, "%s", longest.c_str()), longest);
    EXPECT_TRUE(presenter->Messages().empty());
}

TEST_F(DiagnosticsTest, FormatTextEndsTheProcessOnEmptyOrOverlongText) {
    std::string dest;
    EXPECT_EXIT(FormatText(dest, EmptyFormat(), 0), ::testing::ExitedWithCode(1),
                "Bad error vsprintf_s return fail!!!: Bad Error");
    EXPECT_EXIT(FormatText(dest, "%s", ""), ::testing::ExitedWithCode(1), "Bad Error");
    const std::string tooLong(kFormatBufferSize, 'y');
    EXPECT_EXIT(FormatText(dest, "%s", tooLong.c_str()), ::testing::ExitedWithCode(1), "Bad Error");
}

TEST_F(DiagnosticsTest, FormatTextLocalReportsFailureAndGoesOn) {
    std::string dest;
    EXPECT_STREQ(FormatTextLocal(dest, "%s=%.8X", "err", 255u), "err=000000FF");
    EXPECT_TRUE(presenter->Messages().empty());

    EXPECT_STREQ(FormatTextLocal(dest, EmptyFormat(), 0), "vsprintf_s function returned 0");
    const std::string tooLong(kFormatBufferSize + 10, 'z');
    EXPECT_STREQ(FormatTextLocal(dest, "%s", tooLong.c_str()), "vsprintf_s function returned 0");
    const auto shown = presenter->Messages();
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& box : shown) {
        EXPECT_EQ(box.text, "Bad Error");
        EXPECT_EQ(box.caption, "Bad error vsprintf_s return fail!!!");
        EXPECT_EQ(box.type & platform::MB_ICONMASK, platform::MB_ICONERROR);
    }
}

// Many threads share the one buffer; none sees another's text.
TEST_F(DiagnosticsTest, FormatTextIsSafeAcrossThreads) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 2000;
    std::vector<int> wrong(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &wrong] {
            const std::string filler(100 + t * 50, static_cast<char>('a' + t));
            std::string dest;
            for (int i = 0; i < kRounds; ++i) {
                FormatText(dest, "%d:%s:%d", t, filler.c_str(), i);
                if (dest != std::to_string(t) + ":" + filler + ":" + std::to_string(i))
                    ++wrong[t];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(wrong[t], 0) << "thread " << t;
}

TEST_F(DiagnosticsTest, CrashApologyNamesTheDumpAndTheAddress) {
    EXPECT_EQ(CrashApologyText("/home/u/.local/state/quorva/crash.dmp"),
              std::string("We are very sorry for the crash of our product. There is a mini dump "
                          "file in the folder /home/u/.local/state/quorva named "
                          "\"crash.dmp\" can help us fix the "
                          "problem if you can send us ") +
                  kSupportAddress + ". Thanks!");
}

}  // namespace
