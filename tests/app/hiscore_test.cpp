#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include "app/hiscore.h"
#include "tests/support/file_faults.h"
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

// A write cut short, by a kill at a file size limit or by a full disk
// (the limit with its signal ignored), leaves the old score.
TEST(HiScoreFile, AWriteCutShortKeepsTheOldScore)
{
    const char* const name = "hiscore_torn";
    WriteFile(name, "42");
    for (bool killed : {true, false})
    {
        EXPECT_EQ(WriteWithFileSizeLimit(2, killed, [&] { return WriteHiScore(12345, name); }),
                  killed ? 128 + SIGXFSZ : 1);
        EXPECT_EQ("42", ReadFile(name));
        EXPECT_EQ(killed, !TempFilesLeft().empty()) << "a failed write leaves no temporary file";
        for (const std::string& torn : TempFilesLeft())
            fs::remove(torn);
    }
}

// Only regular files are read or replaced; a link counts as its target.
TEST(HiScoreFile, ALinkIsWrittenThroughAndNoFifoOrFolderIsReadOrReplaced)
{
    WriteFile("hiscore_target", "7");
    fs::create_symlink("hiscore_target", "hiscore_link");
    EXPECT_EQ(7, ReadHiScore("hiscore_link"));
    EXPECT_TRUE(WriteHiScore(99, "hiscore_link"));
    EXPECT_TRUE(fs::is_symlink("hiscore_link"));
    EXPECT_EQ("99", ReadFile("hiscore_target"));

    ASSERT_EQ(0, mkfifo("hiscore_fifo", 0666)); // opening it to read would block
    fs::create_directory("hiscore_folder");
    for (const char* name : {"hiscore_fifo", "hiscore_folder"})
    {
        EXPECT_EQ(0, ReadHiScore(name)) << name;
        EXPECT_FALSE(WriteHiScore(5, name)) << name;
    }
    EXPECT_TRUE(fs::is_fifo("hiscore_fifo") && fs::is_directory("hiscore_folder"));
    EXPECT_TRUE(TempFilesLeft().empty());
}
