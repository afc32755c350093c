#include <filesystem>
#include <gtest/gtest.h>
#include "app/hiscore.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

TEST(HiScoreFile, ReadsTheLeadingNumberOrZeroAndWritesBareDecimal)
{
    const char* const name = "hiscore_test_file";
    EXPECT_EQ(0, ReadHiScore(name)); // missing
    const std::pair<const char*, int> table[] = {{"42", 42},       {"  42\n", 42},       {"-17", -17},
                                                 {"\n\t 7 99", 7}, {"12abc", 12},        {"abc", 0},
                                                 {"", 0},          {"99999999999999", 0}}; // too large for an int
    for (auto [contents, expected] : table)
    {
        WriteFile(name, contents);
        EXPECT_EQ(expected, ReadHiScore(name)) << contents;
    }
    for (auto [score, bytes] : {std::pair<int, const char*>{-5, "-5"}, {7, "7"}})
    {
        EXPECT_TRUE(WriteHiScore(score, name)); // replaces the old contents entirely
        EXPECT_EQ(bytes, ReadFile(name));
    }
}

// A link counts as its target. (How the score is written, links and all,
// is the safe writer's; a FIFO or a folder read as 0 is in the keeping
// cases, through the same regular-file reader.)
TEST(HiScoreFile, ALinkIsReadThrough)
{
    WriteFile("hiscore_target", "7");
    fs::create_symlink("hiscore_target", "hiscore_link");
    EXPECT_EQ(7, ReadHiScore("hiscore_link"));
}
