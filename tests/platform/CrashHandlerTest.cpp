// The crash handler: message order, the crash report, failures to write it.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

#include "app/Diagnostics.h"
#include "app/TestFolder.h"
#include "platform/CrashHandler.h"

namespace {

namespace fs = std::filesystem;

const std::string kReporter = std::string(QUORVA_BIN_DIR) + "quorva-crash-report";

[[noreturn]] void CrashWithNullWrite() {
    volatile int* volatile nowhere = nullptr;
    *nowhere = 7;
    std::abort();
}

TEST(CrashHandlerTest, CrashShowsApologyThenWritesTheReport) {
    TestFolder folder;
    const std::string dump = folder.Path() + "crash.dmp";
    folder.Write("crash.dmp", "an older report");
    EXPECT_EXIT(
        {
            platform::InstallCrashHandler(dump, kReporter);
            CrashWithNullWrite();
        },
        ::testing::KilledBySignal(SIGSEGV),
        "Product crash: We are very sorry for the crash.* in the folder " +
            dump.substr(0, dump.rfind('/')) + " named \"crash.dmp\"");
    const std::string report = TestFolder::Read(dump);
    EXPECT_EQ(report.find("an older report"), std::string::npos);
    EXPECT_NE(report.find("signal: 11 (SIGSEGV)"), std::string::npos) << report;
    EXPECT_NE(report.find("address: 0x0\n"), std::string::npos) << report;
    EXPECT_NE(report.find("thread: "), std::string::npos);
    EXPECT_NE(report.find("backtrace:\n"), std::string::npos);
    EXPECT_NE(report.find("end of report"), std::string::npos);
    EXPECT_GT(std::count(report.begin(), report.end(), '\n'), 8);
}

TEST(CrashHandlerTest, AbortIsReportedAndEndsTheProcessWithItsSignal) {
    TestFolder folder;
    const std::string dump = folder.Path() + "crash.dmp";
    EXPECT_EXIT(
        {
            platform::InstallCrashHandler(dump, kReporter);
            std::abort();
        },
        ::testing::KilledBySignal(SIGABRT), "We are very sorry");
    EXPECT_NE(TestFolder::Read(dump).find("(SIGABRT)"), std::string::npos);
}

TEST(CrashHandlerTest, UnwritableFolderShowsApologyThenTheOpenFailure) {
    TestFolder folder;
    const std::string dump = folder.Path() + "no-such-folder/crash.dmp";
    EXPECT_EXIT(
        {
            platform::InstallCrashHandler(dump, kReporter);
            CrashWithNullWrite();
        },
        ::testing::KilledBySignal(SIGSEGV),
        "Product crash: We are very sorry.*no-such-folder named \"crash.dmp\".*Thanks!\n"
        "Error: Could not open file to write error information.");
    EXPECT_FALSE(fs::exists(dump));
}

TEST(CrashHandlerTest, MissingReporterStillNamesTheMessages) {
    TestFolder folder;
    const std::string dump = folder.Path() + "crash.dmp";
    EXPECT_EXIT(
        {
            platform::InstallCrashHandler(dump, folder.Path() + "no-reporter");
            raise(SIGFPE);
        },
        ::testing::KilledBySignal(SIGFPE), "crash report message: apology");
    EXPECT_NE(TestFolder::Read(dump).find("(SIGFPE)"), std::string::npos);
}

TEST(CrashHandlerTest, RefusesPathsItCannotHold) {
    EXPECT_FALSE(platform::InstallCrashHandler("", kReporter));
    EXPECT_FALSE(platform::InstallCrashHandler(std::string(5000, 'x'), kReporter));
}

TEST(CrashHandlerTest, ReporterShowsEachMessage) {
    TestFolder folder;
    const std::string out = folder.Path() + "out";
    auto run = [&](const std::string& args) {
        int status = std::system((kReporter + " " + args + " 2>" + out).c_str());
        EXPECT_EQ(status, 0) << args;
        return TestFolder::Read(out);
    };
    EXPECT_EQ(run("apology /home/u/.local/state/quorva/crash.dmp"),
              "Product crash: " + CrashApologyText("/home/u/.local/state/quorva/crash.dmp") + "\n");
    EXPECT_EQ(run("write-failed 28"),
              "Error: Could not create error dump:GetLastError()=0000001C\n");
    EXPECT_EQ(run("close-failed 5"), "Error: Could not CloseHandle.\n");
    EXPECT_NE(std::system((kReporter + " unknown 2>/dev/null").c_str()), 0);
}

}  // namespace
