#include <gtest/gtest.h>
#include "app/hiscore.h"

// How the file is found, read and written, links and all, is in the keeping
// cases and the safe writer's; here only what its text says.
TEST(HiScoreFile, ReadsTheLeadingNumberOrZero)
{
    const std::pair<const char*, int> table[] = {{"42", 42},       {"  42\n", 42},       {"-17", -17},
                                                 {"\n\t 7 99", 7}, {"12abc", 12},        {"abc", 0},
                                                 {"", 0},          {"99999999999999", 0}}; // too large for an int
    for (auto [contents, expected] : table)
        EXPECT_EQ(expected, ParseHiScore(contents)) << contents;
}
