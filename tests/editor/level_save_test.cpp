#include <cstring>
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
// either the old level or the new one, whole, and the old one is kept in
// the backup. (How each file is replaced, links, modes and torn writes
// included, is the safe writer's.)
const char* const OLD_LEVEL = "Rat\n64 800\nCheese\n96 96\nTerrain\n0 0 2 4\n";

// A save pauses only when it saved; one the file's mode refuses, or a disk
// that fills part way, leaves the old level.
TEST_F(EditorTest, SaveKeepsTheOldLevelInTheBackupAndAFailedOneLeavesItInPlace)
{
    Load(std::string(OLD_LEVEL) + "Cheese\n32 32\n");
    WriteFile(EDITOR_LEVEL_FILE, OLD_LEVEL);
    EXPECT_EQ(WriteWithFileSizeLimit(strlen(OLD_LEVEL), false, SaveEdit), 1); // the backup fits, the level not
    fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0444));
    Uint32 before = VEK_GetTicks();
    EXPECT_FALSE(SaveEdit());
    EXPECT_TRUE(VEK_GetTicks() == before && ReadFile(EDITOR_LEVEL_FILE) == OLD_LEVEL);
    fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0644));
    ASSERT_TRUE(SaveEdit());
    EXPECT_EQ(VEK_GetTicks() - before, 200u);
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE) + ReadFile(EDITOR_BACKUP_FILE), LevelFileText() + OLD_LEVEL);

    // A failed save says why, in plain words, and does not pause.
    fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0444));
    fs::create_directory("folder");
    ASSERT_EQ(mkfifo("fifo", 0666), 0);
    const std::pair<const char*, const char*> refusals[] = {
        {nullptr, "levelmap0 Is Read-Only"}, {"folder", "A Folder Is In The Way"}, {"fifo", "Not A Regular File"}};
    for (const auto& [kept, reason] : refusals)
    {
        SCOPED_TRACE(reason);
        if (kept)
        {
            fs::remove(EDITOR_LEVEL_FILE);
            fs::create_symlink(kept, EDITOR_LEVEL_FILE);
        }
        before = VEK_GetTicks();
        std::string why;
        EXPECT_FALSE(SaveEditSayingWhy(why));
        EXPECT_TRUE(VEK_GetTicks() == before && why == reason) << why;
    }
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
