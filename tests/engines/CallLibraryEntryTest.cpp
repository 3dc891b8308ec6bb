#include "engines/CallLibraryEntry.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "support/TestMedia.h"

namespace {

std::vector<std::string> Split(std::string text, int capacity = kMaxArguments) {
    std::vector<char*> vector(capacity > 0 ? capacity : 1, nullptr);
    int count = 0;
    SplitArgumentString(text.data(), count, vector.data(), capacity);
    std::vector<std::string> out;
    for (int i = 0; i < count && i < capacity; ++i)
        out.emplace_back(vector[i]);
    if (count > capacity)
        out.emplace_back("<" + std::to_string(count) + " found>");
    return out;
}

using Args = std::vector<std::string>;

TEST(SplitArgumentString, FollowsTheTokenizerRules) {
    EXPECT_EQ(Split("x**a*"), (Args{"x", "a"}));
    EXPECT_EQ(Split("***x*a"), (Args{"x", "a"}));
    EXPECT_EQ(Split(""), Args{});
    EXPECT_EQ(Split("***"), Args{});
    // An empty value between separators disappears and shifts the rest.
    EXPECT_EQ(Split("x*-o**-convert-status*12"), (Args{"x", "-o", "-convert-status", "12"}));
    // Only '*' separates: blanks stay inside an argument.
    EXPECT_EQ(Split("x*/my videos/a b.avi*-o"), (Args{"x", "/my videos/a b.avi", "-o"}));
}

TEST(SplitArgumentString, AppendsAfterTheGivenCountAndOverwritesSeparators) {
    char text[] = "a*b";
    char* vector[4] = {};
    int count = 2;
    SplitArgumentString(text, count, vector, 4);
    ASSERT_EQ(count, 4);
    EXPECT_EQ(vector[0], nullptr);
    EXPECT_STREQ(vector[2], "a");
    EXPECT_STREQ(vector[3], "b");
    EXPECT_EQ(text[1], '\0');
}

TEST(SplitArgumentString, CountsPastCapacityWithoutWritingThere) {
    std::vector<std::string> args = Split("a*b*c*d*e", 3);
    EXPECT_EQ(args, (Args{"a", "b", "c", "<5 found>"}));
}

class CallLibraryEntryTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("ARGUMENT_ECHO_FILE", echoFile.c_str(), 1); }
    std::vector<std::string> Echoed() {
        std::vector<std::string> lines;
        auto text = platform::ReadFile(echoFile);
        if (!text)
            return lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text->find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text->substr(start, end - start));
        return lines;
    }
    testsupport::TempFolder folder;
    std::string echoFile = folder / "echo.txt";
    std::string library = ARGUMENT_ECHO_LIBRARY;
};

TEST_F(CallLibraryEntryTest, CallsTheEntryWithTheSplitArgumentsAndFreesTheLibrary) {
    int result = 0;
    void* handle = CallLibraryEntry(library, "echo_arguments", "x**a b*c*", true, &result);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(result, 103);
    EXPECT_EQ(Echoed(), (Args{"x", "a b", "c"}));
    // Freed: a probe with RTLD_NOLOAD finds it no longer loaded.
    EXPECT_EQ(dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);
}

TEST_F(CallLibraryEntryTest, KeepsTheLibraryLoadedWhenAsked) {
    int result = 0;
    void* handle = CallLibraryEntry(library, "echo_arguments", "x", false, &result);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(result, 101);
    EXPECT_NE(dlsym(handle, "echo_arguments"), nullptr);
    dlclose(handle);
}

TEST_F(CallLibraryEntryTest, MissingLibraryOrEntryCallsNothing) {
    int result = 0;
    EXPECT_EQ(CallLibraryEntry(folder / "absent.so", "echo_arguments", "x", false, &result),
              nullptr);
    EXPECT_EQ(result, -1);
    result = 0;
    EXPECT_EQ(CallLibraryEntry(library, "no_such_entry", "x", false, &result), nullptr);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(platform::PathExists(echoFile));
}

TEST_F(CallLibraryEntryTest, TextLimitIs4095Characters) {
    int result = 0;
    std::string longest = "x*" + std::string(4093, 'a');
    ASSERT_EQ(longest.size(), 4095u);
    CallLibraryEntry(library, "echo_arguments", longest, true, &result);
    EXPECT_EQ(result, 102);
    ASSERT_EQ(Echoed().size(), 2u);
    EXPECT_EQ(Echoed()[1].size(), 4093u);

    platform::RemoveFile(echoFile);
    EXPECT_EQ(CallLibraryEntry(library, "echo_arguments", longest + "a", false, &result), nullptr);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(platform::PathExists(echoFile));
}

TEST_F(CallLibraryEntryTest, MoreThan256ArgumentsAreRefused) {
    std::string text = "x";
    for (int i = 1; i < 256; ++i)
        text += "*a";
    int result = 0;
    CallLibraryEntry(library, "echo_arguments", text, true, &result);
    EXPECT_EQ(result, 356);

    platform::RemoveFile(echoFile);
    CallLibraryEntry(library, "echo_arguments", text + "*b", true, &result);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(platform::PathExists(echoFile));
}

}  // namespace
