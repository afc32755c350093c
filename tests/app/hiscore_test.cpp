#include <gtest/gtest.h>
#include <cstdio>
#include "app/hiscore.h"
#include "tests/support/test_env.h"

TEST(HiScoreFile, ReadsTheLeadingNumberOrZeroAndWritesBareDecimal)
{
    const char* const name = "hiscore_test_file";
    std::remove(name);
    EXPECT_EQ(0, ReadHiScore(name)); // missing
    const std::pair<const char*, int> table[] = {{"42", 42},      {"  42\n", 42}, {"-17", -17}, {"\n\t 7 99", 7},
                                                 {"12abc", 12},   {"abc", 0},     {"", 0},
                                                 {"99999999999999", 0}}; // too large for an int
    for (auto [contents, expected] : table)
    {
        WriteFile(name, contents);
        EXPECT_EQ(expected, ReadHiScore(name)) << contents;
    }
    WriteHiScore(-5, name); // replaces the old contents entirely
    EXPECT_EQ("-5", ReadFile(name));
    std::remove(name);
}
