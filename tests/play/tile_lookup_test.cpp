#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>
#include "app/globals.h"
#include "bench/frame_driver.h"
#include "enemies/scientist.h"
#include "play/level_file.h"
#include "play/replay.h"
#include "tests/support/test_env.h"
#include "world/tile_grid.h"

// The tile passes find their tiles through the grid by cell. Run beside the
// full scan of the tile list on the densest level and on both shipped
// replays, every frame's world must come out the same.

namespace
{

// Everything a frame's tile passes can change, as text: the rat, every
// enemy (and a scientist's projectile), the cheese left and the score.
std::string WorldState()
{
    std::ostringstream s;
    s << "rat " << rat.GetXPos() << ' ' << rat.GetYPos() << ' ' << rat.GetXVel() << ' ' << rat.GetYVel() << ' '
      << rat.GetJumpState() << ' ' << rat.IsAlive() << ' ' << rat.GetLives() << ' ' << rat.GetCurrentClip() << " score "
      << score << " cheese " << cheese.size() << '\n';
    for (Guy* g : guy)
    {
        s << g->GetTag() << ' ' << g->GetXPos() << ' ' << g->GetYPos() << ' ' << g->GetXVel() << ' ' << g->GetYVel()
          << ' ' << g->IsDead() << ' ' << g->GetCurrentClip();
        if (g->GetTag() == "Scientist")
        {
            Projectile& p = static_cast<Scientist*>(g)->GetProjectile();
            s << " weed " << p.GetXPos() << ' ' << p.GetYPos() << ' ' << p.IsFinished();
        }
        s << '\n';
    }
    return s.str();
}

std::vector<std::string> StatesOfRun(const Scenario& s, bool fullScan)
{
    UseFullTileScanForTests(fullScan);
    std::vector<std::string> states;
    {
        FrameDriver driver(s);
        while (driver.Logic())
            states.push_back(WorldState());
    }
    UseFullTileScanForTests(false);
    return states;
}

class TileLookup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        CopyShippedLevels();
        std::ofstream(LevelFileName(DENSE_SLOT)) << DensestLevelText();
    }
    void TearDown() override { ResetGameState(); }

    static const int DENSE_SLOT = 0;
};

TEST_F(TileLookup, GridAndFullScanAgreeOnEveryFrame)
{
    std::vector<Scenario> scenarios = {MakeScenario("densest", DensestLevelReplay(DENSE_SLOT, 600))};
    for (const char* name : {"rat_adventure", "eel_challenge"})
    {
        Replay replay;
        ASSERT_TRUE(LoadReplay(std::string(SOURCE_DIR) + "/levels/replays/" + name + ".replay", replay));
        scenarios.push_back(MakeScenario(name, replay));
    }
    for (const Scenario& s : scenarios)
    {
        std::vector<std::string> scan = StatesOfRun(s, true);
        std::vector<std::string> grid = StatesOfRun(s, false);
        ASSERT_EQ(scan.size(), grid.size()) << s.name;
        ASSERT_GT(scan.size(), 500u) << s.name << " ended too soon to prove anything";
        for (size_t f = 0; f < scan.size(); ++f)
            ASSERT_EQ(scan[f], grid[f]) << s.name << ", frame " << f;
    }
}

} // namespace
