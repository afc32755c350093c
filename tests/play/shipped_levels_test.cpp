#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include "app/globals.h"
#include "enemies/scientist.h"
#include "play/level_file.h"
#include "play/replay.h"
#include "play/replay_run.h"
#include "tests/support/test_env.h"
#include "world/constants.h"

// The two shipped levels: they load into complete worlds, their arenas
// hold the scientist's throws, and a stored replay wins each of them.

namespace fs = std::filesystem;

namespace
{

struct Shipped
{
    int slot;
    const char* replayFile;
};

const Shipped SHIPPED[] = {{1, "rat_adventure.replay"}, {2, "eel_challenge.replay"}};

// The view the camera locks on once the rat is in the arena.
const SDL_Rect ARENA_VIEW = {5488, 464, 640, 480};

class ShippedLevels : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        // The harness copies only the assets; the compiled levels come from the build.
        for (const char* name : {"levelmap1", "levelmap2"})
        {
            std::error_code err;
            fs::copy_file(std::string(BINARY_DIR) + "/levels/" + name, name, fs::copy_options::overwrite_existing,
                          err);
            ASSERT_FALSE(err) << name << ": " << err.message();
        }
    }
    void TearDown() override { ResetGameState(); }
};

int CountTag(const std::string& tag)
{
    int n = 0;
    for (Guy* g : guy)
        n += g->GetTag() == tag;
    return n;
}

Scientist* TheScientist()
{
    for (Guy* g : guy)
        if (g->GetTag() == "Scientist")
            return static_cast<Scientist*>(g);
    return nullptr;
}

const Tile* TileAt(int x, int y)
{
    for (Tile* t : tile)
        if (x >= t->GetXPos() && x < t->GetXPos() + TILE_WIDTH && y >= t->GetYPos() && y < t->GetYPos() + TILE_HEIGHT)
            return t;
    return nullptr;
}

bool Inside(const SDL_Rect& outer, int x, int y, int w, int h)
{
    return x >= outer.x && y >= outer.y && x + w <= outer.x + outer.w && y + h <= outer.y + outer.h;
}

} // namespace

// Each has its enemies, 30 to 50 cheese, the rat at the left with solid
// footing right under it, and the scientist on solid ground in the arena.
TEST_F(ShippedLevels, EachLoadsACompleteWorld)
{
    struct Counts { int slot, burgersMin, burgersMax, eelsMin, eelsMax; };
    const Counts table[] = {{1, 10, 15, 0, 0}, {2, 0, 5, 8, 12}};
    for (const Counts& c : table)
    {
        SCOPED_TRACE(c.slot);
        LoadLevel(LevelFileName(c.slot));
        EXPECT_TRUE(CountTag("Burger") >= c.burgersMin && CountTag("Burger") <= c.burgersMax);
        EXPECT_TRUE(CountTag("Eel") >= c.eelsMin && CountTag("Eel") <= c.eelsMax);
        EXPECT_EQ(CountTag("Scientist"), 1);
        EXPECT_TRUE(cheese.size() >= 30u && cheese.size() <= 50u) << cheese.size();
        EXPECT_GT(tile.size(), 1000u);

        EXPECT_LT(rat.GetXPos(), 320);
        const Tile* under = TileAt(rat.GetXPos() + 20, rat.GetYPos() + RAT_HEIGHT);
        ASSERT_NE(under, nullptr);
        EXPECT_TRUE(under->TopIsImp() && under->GetYPos() == rat.GetYPos() + RAT_HEIGHT);

        Scientist* s = TheScientist();
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(Inside(ARENA_VIEW, s->GetXPos(), s->GetYPos(), SCIENTIST_WIDTH, SCIENTIST_HEIGHT));
        for (int x = s->GetXPos() + 20; x < s->GetXPos() + 100; x += TILE_WIDTH / 2)
        {
            under = TileAt(x, s->GetYPos() + SCIENTIST_HEIGHT);
            EXPECT_TRUE(under && under->GetSolidity() == SOLID) << "x " << x;
        }
    }
}

// A throw that met no solid tile would fall for ever and end his throwing;
// the arena's walls and floor must end every one.
TEST_F(ShippedLevels, TheArenaEndsEveryThrow)
{
    for (int slot : {1, 2})
    {
        SCOPED_TRACE(slot);
        LoadLevel(LevelFileName(slot));
        SeedAll(99);
        Scientist* s = TheScientist();
        ASSERT_NE(s, nullptr);
        int throws = 0;
        bool wasFinished = true;
        for (int update = 0; update < 5000; ++update)
        {
            s->Update();
            s->HandleTiles(tile);
            bool finished = s->GetProjectile().IsFinished();
            throws += wasFinished && !finished;
            wasFinished = finished;
        }
        // He walks half the time and throws again as soon as a throw ends.
        EXPECT_GT(throws, 40);
        EXPECT_TRUE(Inside(ARENA_VIEW, s->GetXPos(), s->GetYPos(), SCIENTIST_WIDTH, SCIENTIST_HEIGHT));
    }
}

TEST_F(ShippedLevels, StoredReplaysWinWithLivesToSpare)
{
    for (const Shipped& shipped : SHIPPED)
    {
        SCOPED_TRACE(shipped.replayFile);
        Replay replay;
        std::string error;
        ASSERT_TRUE(LoadReplay(std::string(SOURCE_DIR) + "/levels/replays/" + shipped.replayFile, replay, &error))
            << error;
        EXPECT_EQ(replay.level, shipped.slot);
        ASSERT_TRUE(replay.hasExpect);

        ReplayOutcome outcome = RunReplay(replay);
        EXPECT_EQ(outcome.result, "won");
        EXPECT_GE(outcome.lives, 2);
        // The whole outcome is pinned, so any change to the game's feel shows.
        EXPECT_EQ(FormatOutcome(outcome), FormatOutcome(replay.expect));
    }
}
