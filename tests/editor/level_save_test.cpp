#include <csignal>
#include <sys/stat.h>
#include "tests/editor/editor_fixture.h"

namespace fs = std::filesystem;

namespace
{

// Rat, enemies, cheese, tiles, each list in order, whatever the order of
// the loaded file. Placed terrain saves the solidity of its type (3 -> 0,
// 17 -> 2); tile rows count up from the bottom, so (0,960) is row 0.
TEST_F(EditorTest, SavedTextIsTheRatThenEnemiesCheeseAndTilesInListOrderAndLoadsBackTheSame)
{
    Load("Cheese\n33 44\nEel\n300 400\nWater\n0 30 0 0\nBurger\n10 20\nRat\n-5 7\n");
    for (EditorSession s : {SessionAt(0, 960, ELEM_TERRAIN, 3), SessionAt(32, 960, ELEM_TERRAIN, 17),
                            SessionAt(64, 960, ELEM_CHEESE), SessionAt(64, 960, ELEM_GUY)})
        FrameHolding(s, &EditorInput::insert);
    const std::string saved = "Rat\n-5 7\nEel\n300 400\nBurger\n10 20\nBurger\n64 960\nCheese\n33 44\n"
                              "Cheese\n64 960\nWater\n0 30 0 0\nTerrain\n0 0 0 3\nTerrain\n1 0 2 17\n";
    ASSERT_EQ(LevelFileText(), saved);
    ASSERT_TRUE(SaveEdit());
    ClearWorld();
    LoadLevel(EDITOR_LEVEL_FILE);
    EXPECT_EQ(LevelFileText(), saved);
}

// A save must never lose the level: whatever goes wrong, "levelmap0" holds
// either the old level or the new one, whole. The tests run as root, where
// file permissions stop nothing, so each failure below is one root meets too.
const char* const OLD_LEVEL = "Rat\n64 800\nCheese\n96 96\nTerrain\n0 0 2 4\n";

// It cannot prove what a power cut between the flush and the rename does;
// there the order (flush, then rename) is what keeps the file whole.
TEST_F(EditorTest, SaveCutShortLeavesTheOldLevelWholeAndLoadable)
{
    WriteFile(EDITOR_LEVEL_FILE, OLD_LEVEL);
    std::string big = "Rat\n10 20\n"; // too big to be written in one small piece
    for (int i = 0; i < 1500; ++i)
        big += "Cheese\n" + std::to_string(i) + " 100\n";
    WriteFile("big", big);
    LoadLevel("big");
    const struct
    {
        double cut;
        bool killed;
    } cases[] = {{0.5, false}, {0.0, true}, {0.5, true}, {0.999, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "cut at " << c.cut << ", killed " << c.killed);
        for (const std::string& torn : TempFilesLeft())
            fs::remove(torn);
        const unsigned long limit = static_cast<unsigned long>(c.cut * big.size());
        EXPECT_EQ(WriteWithFileSizeLimit(limit, c.killed, SaveEdit), c.killed ? 128 + SIGXFSZ : 1);
        EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), OLD_LEVEL);
        // A failed save removes its temporary file; a killed one leaves its torn copy.
        const std::vector<std::string> left = TempFilesLeft();
        EXPECT_TRUE(c.killed ? left.size() == 1u && ReadFile(left[0]).size() == limit : left.empty());
    }
    EXPECT_EQ(WriteWithFileSizeLimit(big.size(), true, SaveEdit), 0);
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), big);
    EXPECT_EQ(ReadFile(EDITOR_BACKUP_FILE), OLD_LEVEL);
}

// The save writes through the player's files, never around them: a link is
// followed, a file of the player's named like a temporary file is left
// alone, the mode stays, and what is not a writable regular file is kept.
TEST_F(EditorTest, SaveKeepsTheOldFileAndTheModeWritesThroughLinksAndRefusesWhatItMayNotReplace)
{
    WriteFile(EDITOR_LEVEL_FILE, OLD_LEVEL);
    fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0640));
    const std::string playersTemp = std::string(EDITOR_LEVEL_FILE) + ".tmp";
    WriteFile(playersTemp, "the player's own");
    Uint32 before = VEK_GetTicks();
    ASSERT_TRUE(SaveEdit());
    EXPECT_EQ(VEK_GetTicks() - before, 200u);
    EXPECT_EQ(std::string("Rat\n0 0\n") + OLD_LEVEL + "the player's own",
              ReadFile(EDITOR_LEVEL_FILE) + ReadFile(EDITOR_BACKUP_FILE) + ReadFile(playersTemp));
    EXPECT_TRUE(fs::status(EDITOR_LEVEL_FILE).permissions() == fs::perms(0640) && TempFilesLeft().empty());

    // A link is saved into its target, and stays a link.
    fs::create_directory("levelmap0.d");
    fs::rename(EDITOR_LEVEL_FILE, "levelmap0.d/target");
    fs::create_symlink("levelmap0.d/target", EDITOR_LEVEL_FILE);
    rat.SetBothPos(7, 7);
    ASSERT_TRUE(SaveEdit());
    EXPECT_TRUE(fs::is_symlink(EDITOR_LEVEL_FILE));
    EXPECT_EQ(ReadFile("levelmap0.d/target") + ReadFile(EDITOR_BACKUP_FILE), "Rat\n7 7\nRat\n0 0\n");

    // Read-only (root too is refused), a folder, a FIFO: each is left as it
    // was, and no failed save pauses or leaves a temporary file.
    fs::permissions("levelmap0.d/target", fs::perms(0444));
    fs::create_directory("folder");
    ASSERT_EQ(mkfifo("fifo", 0666), 0);
    for (const char* kept : {"levelmap0.d/target", "folder", "fifo"})
    {
        SCOPED_TRACE(kept);
        fs::remove(EDITOR_LEVEL_FILE);
        fs::create_symlink(kept, EDITOR_LEVEL_FILE);
        // Nothing but a regular file is read (a FIFO would block the game).
        EXPECT_EQ(LoadLevel(EDITOR_LEVEL_FILE).stoppedEarly, std::string(kept) != "levelmap0.d/target");
        rat.SetBothPos(9, 9);
        before = VEK_GetTicks();
        EXPECT_FALSE(SaveEdit());
        EXPECT_TRUE(VEK_GetTicks() == before && TempFilesLeft().empty());
    }
    EXPECT_EQ(ReadFile("levelmap0.d/target"), "Rat\n7 7\n");
    EXPECT_TRUE(fs::is_directory("folder") && fs::is_fifo("fifo"));
    for (const char* made : {"levelmap0.d", "folder", "fifo"})
        fs::remove_all(made);
}

// A rat left below the world by a fall, in a level with no rat record of
// its own, must not be saved there: the saved level would kill it at once
// on every start. The same goes for a rat beyond the level's sides.
TEST_F(EditorTest, SavedRatIsWhereItStandsUnlessPlayWouldKillItOrItIsOutsideTheLevel)
{
    const struct
    {
        int x, y;
        const char* saved;
    } cases[] = {{100, 932, "Rat\n100 932\n"},   // its feet on the bottom edge
                 {100, 933, "Rat\n64 800\n"},    // one pixel lower: dead at once
                 {300, 4000, "Rat\n64 800\n"},   // long fallen
                 {-1, 500, "Rat\n64 800\n"},     // beyond the left side
                 {6104, 500, "Rat\n6104 500\n"}, // against the right side
                 {6105, 500, "Rat\n64 800\n"}};
    for (const auto& c : cases)
    {
        Load(OLD_LEVEL); // starts the rat at 64,800
        rat.SetBothPos(c.x, c.y);
        EXPECT_EQ(LevelFileText().substr(0, LevelFileText().find('C')), c.saved) << c.x << "," << c.y;
    }
}

} // namespace
