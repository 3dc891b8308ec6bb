// Output lines that turn a tool's exit status 0 into a failure.
#include "components/authoring/FailureChecks.h"

#include <gtest/gtest.h>

using authoring::CheckDvdauthorLine;
using authoring::CheckSpumuxLine;

TEST(FailureChecks, SpumuxLines) {
    EXPECT_FALSE(CheckSpumuxLine("ERR:  Cannot pick button masks").ok());
    EXPECT_FALSE(CheckSpumuxLine("INFO: 0 subtitles added, 0 subtitles skipped, stream: 32").ok());
    EXPECT_TRUE(CheckSpumuxLine("INFO: 10 subtitles added, 0 subtitles skipped").ok());
    EXPECT_TRUE(CheckSpumuxLine("INFO: 1 subtitles added, 0 subtitles skipped").ok());
    EXPECT_TRUE(CheckSpumuxLine("INFO: Autodetect 0 = 132x324-338x392").ok());
    EXPECT_TRUE(CheckSpumuxLine("WARN: something mild").ok());
}

TEST(FailureChecks, DvdauthorLines) {
    EXPECT_FALSE(CheckDvdauthorLine("ERR:  Cannot open VOB file").ok());
    EXPECT_FALSE(
        CheckDvdauthorLine("WARN: attempt to update tv format from ntsc to pal; skipping").ok());
    EXPECT_TRUE(CheckDvdauthorLine("STAT: VOBU 12 at 1MB, 1 PGCS").ok());
    EXPECT_TRUE(CheckDvdauthorLine("INFO: dvdauthor creating VTS").ok());
}
