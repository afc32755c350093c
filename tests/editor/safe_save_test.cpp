// A save must never lose the level: whatever goes wrong, "levelmap0" holds
// either the old level or the new one, whole. The tests run as root, where
// file permissions stop nothing, so each failure below is one that root
// meets too.
#include "tests/editor/editor_fixture.h"
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include "play/level_file.h"

namespace fs = std::filesystem;

namespace {

const char* const OLD_LEVEL = "Rat\n64 800\nCheese\n96 96\nTerrain\n0 0 2 4\n";

class SafeSave : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        WriteFile(EDITOR_LEVEL_FILE, OLD_LEVEL);
    }

    // A level whose file is tens of kilobytes, so that it cannot be written
    // in one small piece.
    static void BuildBigLevel()
    {
        for (int col = 0; col < TILES_WIDE; ++col)
            for (int row = 0; row < 8; ++row)
                AddTerrain(col * TILE_WIDTH, LEVEL_HEIGHT - (row + 1) * TILE_HEIGHT);
        for (int i = 0; i < 300; ++i)
            AddCheese(i * 20, 100);
        rat.SetBothPos(10, 20);
    }

    static bool OldLevelIntact() { return ReadFile(EDITOR_LEVEL_FILE) == OLD_LEVEL; }
    static bool TempFileLeft() { return fs::exists(fs::symlink_status(SafeTempName(EDITOR_LEVEL_FILE))); }
};

TEST_F(SafeSave, TempNameTakenByAFolderFailsAndKeepsTheOldLevel)
{
    // Root can create no file where a folder already stands.
    fs::create_directory(SafeTempName(EDITOR_LEVEL_FILE));
    AddCheese(0, 0);
    Uint32 before = Now();
    EXPECT_FALSE(SaveEdit());
    EXPECT_TRUE(OldLevelIntact());
    EXPECT_TRUE(fs::is_directory(SafeTempName(EDITOR_LEVEL_FILE)));
    EXPECT_EQ(cheese.size(), 1u); // the level is still in memory
    EXPECT_EQ(Now(), before);     // no post-save pause for a save that failed
}

TEST_F(SafeSave, LevelFileThatIsAFolderFailsAndLeavesNoTempFile)
{
    fs::remove(EDITOR_LEVEL_FILE);
    fs::create_directory(EDITOR_LEVEL_FILE);
    EXPECT_FALSE(SaveEdit());
    EXPECT_TRUE(fs::is_directory(EDITOR_LEVEL_FILE));
    EXPECT_FALSE(TempFileLeft());
}

// The file size limit makes writes fail part-way even for root, as a full
// disk does.
TEST_F(SafeSave, WriteCutShortFailsKeepsTheOldLevelAndRemovesTheTempFile)
{
    BuildBigLevel();
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    bool result = SaveEdit();

    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(result);
    EXPECT_TRUE(OldLevelIntact());
    EXPECT_FALSE(TempFileLeft());
}

TEST_F(SafeSave, StaleTempFileFromAnEarlierCrashIsReplaced)
{
    WriteFile(SafeTempName(EDITOR_LEVEL_FILE), "Rat\n1 1\nChee");
    rat.SetBothPos(3, 4);
    EXPECT_TRUE(SaveEdit());
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n3 4\n");
    EXPECT_FALSE(TempFileLeft());
}

TEST_F(SafeSave, TempNameThatIsALinkIsNotWrittenThrough)
{
    WriteFile("elsewhere", "untouched");
    fs::create_symlink("elsewhere", SafeTempName(EDITOR_LEVEL_FILE));
    rat.SetBothPos(3, 4);
    EXPECT_TRUE(SaveEdit());
    EXPECT_EQ(ReadFile("elsewhere"), "untouched");
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n3 4\n");
    fs::remove("elsewhere");
}

TEST_F(SafeSave, SaveKeepsTheFileModeOfTheOldLevel)
{
    chmod(EDITOR_LEVEL_FILE, 0640);
    ASSERT_TRUE(SaveEdit());
    struct stat st;
    ASSERT_EQ(stat(EDITOR_LEVEL_FILE, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A save process killed after it has written `limit` bytes of the new
// level. The kernel stops a process that writes past its file size limit
// with SIGXFSZ, so the kill lands exactly at that byte, mid-write. This
// proves that a save killed at any point while the new level is being
// written leaves the old level whole and loadable. It cannot prove what a
// power cut between the flush and the rename does; there the order (flush,
// then rename) is what keeps the file whole.
class KilledSave : public SafeSave, public ::testing::WithParamInterface<double>
{
};

TEST_P(KilledSave, LeavesTheOldLevelWholeAndLoadable)
{
    BuildBigLevel();
    const std::string newLevel = LevelFileText();
    const rlim_t limit = static_cast<rlim_t>(GetParam() * newLevel.size());
    ASSERT_LT(limit, newLevel.size());

    fflush(nullptr);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        struct rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        signal(SIGXFSZ, SIG_DFL);
        struct rlimit lim;
        getrlimit(RLIMIT_FSIZE, &lim);
        lim.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lim);
        SaveEdit();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was expected to be killed";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);

    EXPECT_TRUE(OldLevelIntact());
    EXPECT_EQ(fs::file_size(SafeTempName(EDITOR_LEVEL_FILE)), limit); // the torn copy

    LoadLevel(EDITOR_LEVEL_FILE);
    EXPECT_EQ(tile.size(), 1u);
    EXPECT_EQ(cheese.size(), 1u);
    EXPECT_EQ(rat.GetXPos(), 64);

    // The next save goes through and clears the torn copy away.
    BuildBigLevel();
    EXPECT_TRUE(SaveEdit());
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), LevelFileText());
    EXPECT_FALSE(TempFileLeft());
}

INSTANTIATE_TEST_SUITE_P(AtFractionsOfTheFile, KilledSave,
                         ::testing::Values(0.0, 0.001, 0.25, 0.5, 0.999));

TEST_F(SafeSave, SaveAllowedExactlyItsSizeCompletes)
{
    BuildBigLevel();
    const std::string newLevel = LevelFileText();
    fflush(nullptr);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        struct rlimit lim;
        getrlimit(RLIMIT_FSIZE, &lim);
        lim.rlim_cur = newLevel.size();
        setrlimit(RLIMIT_FSIZE, &lim);
        _exit(SaveEdit() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), newLevel);
}

} // namespace
