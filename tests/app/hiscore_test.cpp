#include <gtest/gtest.h>
#include <cstdio>
#include "app/hiscore.h"
#include "tests/support/test_env.h"

namespace
{
const char* const FILE_NAME = "hiscore_test_file";

struct ReadCase
{
    const char* contents;
    int expected;
};

class HiScoreRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(HiScoreRead, TakesTheLeadingNumberOrZero)
{
    WriteFile(FILE_NAME, GetParam().contents);
    EXPECT_EQ(GetParam().expected, ReadHiScore(FILE_NAME));
    std::remove(FILE_NAME);
}

INSTANTIATE_TEST_SUITE_P(Contents, HiScoreRead,
                         ::testing::Values(ReadCase{"42", 42}, ReadCase{"  42\n", 42}, ReadCase{"-17", -17},
                                           ReadCase{"\n\t 7 99", 7}, ReadCase{"12abc", 12}, ReadCase{"abc", 0},
                                           ReadCase{"", 0}, ReadCase{"99999999999999", 0}));

TEST(HiScoreFile, MissingFileReadsZero)
{
    std::remove(FILE_NAME);
    EXPECT_EQ(0, ReadHiScore(FILE_NAME));
}

TEST(HiScoreFile, WritesBareDecimalReplacingTheOldContents)
{
    WriteFile(FILE_NAME, "123456789 and more\n");
    WriteHiScore(42, FILE_NAME);
    EXPECT_EQ("42", ReadFile(FILE_NAME));
    WriteHiScore(-5, FILE_NAME);
    EXPECT_EQ("-5", ReadFile(FILE_NAME));
    std::remove(FILE_NAME);
}

} // namespace
