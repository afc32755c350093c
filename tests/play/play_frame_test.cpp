#include <gtest/gtest.h>
#include "enemies/scientist.h"
#include "tests/play/play_fixture.h"

using PlayFrameTest = PlayTest;

// A rat on a floor of solid tiles, nothing else.
static std::string FloorLevel(int ratX, int ratY) { return Rec("Rat", ratX, ratY) + Floor(FLOOR_ROW, 0, 40); }

TEST_F(PlayFrameTest, PrePlaySetsUpANewGame)
{
    score = 9;
    rat.SetLives(1);
    AdvanceFakeClock(5000);
    StartLevel(Rec("Rat", 3000, 700) + Rec("Cheese", 1, 1));
    EXPECT_EQ(0, score);
    EXPECT_EQ(LIVES, rat.GetLives());
    EXPECT_EQ(0u, gameTimer.GetTicks());
    EXPECT_EQ(SCREEN_WIDTH, camera.GetXSize());
    EXPECT_EQ(SCREEN_HEIGHT, camera.GetYSize());
    // The first picture already shows the rat: centre 3020 sits 224 from
    // the right edge of the view.
    EXPECT_EQ(3020 + CAMERA_TIGHTNESS_X - SCREEN_WIDTH, camera.GetXPos());
    EXPECT_EQ(1u, cheese.size());
}

TEST_F(PlayFrameTest, PrePlayLoadsTheSlotChosenInTheOptions)
{
    WriteFile("levelmap2", Rec("Cheese", 1, 1) + Rec("Cheese", 2, 2));
    WriteFile("levelmap0", Rec("Cheese", 1, 1));
    level = 2;
    PrePlay();
    EXPECT_EQ(2u, cheese.size());
    level = 0;
    PrePlay();
    EXPECT_EQ(1u, cheese.size());
}

TEST_F(PlayFrameTest, FallingRatLandsOnATileTop)
{
    StartLevel(FloorLevel(100, 600));
    for (int i = 0; i < 40 && rat.GetJumpState() != RAT_GROUNDED; ++i)
        Frame();
    EXPECT_EQ(RAT_GROUNDED, rat.GetJumpState());
    EXPECT_EQ(STANDING_Y, rat.GetYPos());
    EXPECT_EQ(0, rat.GetYVel());
    // Standing: it sinks 3 pixels in each update and is put back each frame.
    Frames(10);
    EXPECT_EQ(STANDING_Y, rat.GetYPos());
    EXPECT_EQ(RAT_GROUNDED, rat.GetJumpState());
}

TEST_F(PlayFrameTest, RatLandsOnlyWhenItCameFromAbove)
{
    const std::string platform = TileRec("Terrain", 3, FLOOR_ROW, PLATFORM, 0);
    // Its bottom already 20 pixels into the platform: it falls on through.
    StartLevel(Rec("Rat", 96, FLOOR_Y - RAT_HEIGHT + 20) + platform);
    Frame();
    EXPECT_EQ(FLOOR_Y - RAT_HEIGHT + 23, rat.GetYPos());
    EXPECT_EQ(RAT_FALLING, rat.GetJumpState());

    // Rising up through it from below: not set on top either.
    Restart();
    StartLevel(Rec("Rat", 96, FLOOR_Y - RAT_HEIGHT + 30) + platform);
    rat.Landed();
    HoldKey(SDLK_UP);
    Frame();
    EXPECT_EQ(FLOOR_Y - RAT_HEIGHT + 30 - 12, rat.GetYPos());
    EXPECT_EQ(-12, rat.GetYVel());

    // Just above it: lands.
    Restart();
    StartLevel(Rec("Rat", 96, FLOOR_Y - RAT_HEIGHT - 3) + platform);
    Frames(3);
    EXPECT_EQ(STANDING_Y, rat.GetYPos());
    EXPECT_EQ(RAT_GROUNDED, rat.GetJumpState());
}

TEST_F(PlayFrameTest, WallsPushTheRatBackToThreePixelsInside)
{
    // Walls two tiles high at columns 3 (x 96..127) and 10 (x 320..351).
    std::string walls = TileRec("Terrain", 3, FLOOR_ROW + 1, SOLID, 4) + TileRec("Terrain", 3, FLOOR_ROW + 2, SOLID, 4) +
                        TileRec("Terrain", 10, FLOOR_ROW + 1, SOLID, 4) +
                        TileRec("Terrain", 10, FLOOR_ROW + 2, SOLID, 4);
    StartLevel(FloorLevel(200, STANDING_Y) + walls);
    HoldKey(SDLK_RIGHT);
    for (int i = 0; i < 90; ++i)
    {
        Frame();
        ASSERT_LE(rat.GetXPos(), 320 - RAT_WIDTH + 3) << "frame " << i;
    }
    EXPECT_EQ(320 - RAT_WIDTH + 3, rat.GetXPos());
    EXPECT_EQ(STANDING_Y, rat.GetYPos());

    HoldKey(SDLK_RIGHT, false);
    HoldKey(SDLK_LEFT);
    for (int i = 0; i < 120; ++i)
    {
        Frame();
        ASSERT_GE(rat.GetXPos(), 128 - 3) << "frame " << i;
    }
    EXPECT_EQ(128 - 3, rat.GetXPos());
}

TEST_F(PlayFrameTest, SolidTileStopsTheRiseOfAJump)
{
    // Ceiling tile with its bottom row at y 735, above the rat's head at 740.
    std::string ceiling = TileRec("Terrain", 3, FLOOR_ROW + 3, SOLID, 4);
    StartLevel(FloorLevel(96, STANDING_Y) + ceiling);
    Frame();
    ASSERT_EQ(RAT_GROUNDED, rat.GetJumpState());
    HoldKey(SDLK_UP);
    Frame();
    EXPECT_EQ(FLOOR_Y - 64, rat.GetYPos());
    EXPECT_EQ(0, rat.GetYVel());
    EXPECT_EQ(RAT_FALLING, rat.GetJumpState());
    HoldKey(SDLK_UP, false);
    Frames(5);
    EXPECT_EQ(STANDING_Y, rat.GetYPos());

    // A platform overhead is jumped through.
    Restart();
    StartLevel(FloorLevel(96, STANDING_Y) + TileRec("Terrain", 3, FLOOR_ROW + 3, PLATFORM, 0));
    Frame();
    HoldKey(SDLK_UP);
    Frame();
    EXPECT_EQ(STANDING_Y - 12, rat.GetYPos());
}

TEST_F(PlayFrameTest, CheeseTouchedIsCountedAndRemoved)
{
    StartLevel(FloorLevel(100, STANDING_Y) + Rec("Cheese", 600, 700) + Rec("Cheese", 110, 760) +
               Rec("Cheese", 1000, 700) + Rec("Cheese", 120, 720));
    Frame();
    EXPECT_EQ(2, score);
    ASSERT_EQ(2u, cheese.size());
    EXPECT_EQ(600, cheese[0]->GetXPos());
    EXPECT_EQ(1000, cheese[1]->GetXPos());
    Frames(5);
    EXPECT_EQ(2, score);
}

TEST_F(PlayFrameTest, FallingOutOfTheWorldCostsALifeAndTheRatGlidesHome)
{
    StartLevel(Rec("Rat", 300, 800) + Floor(FLOOR_ROW, 30, 35));
    int frames = 0;
    while (rat.IsAlive() && frames < 100)
    {
        Frame();
        ++frames;
    }
    ASSERT_FALSE(rat.IsAlive());
    EXPECT_GT(rat.GetYPos() + rat.GetYSize(), LEVEL_HEIGHT);
    EXPECT_EQ(LIVES - 1, rat.GetLives());
    EXPECT_EQ(8, rat.GetCurrentClip());
    EXPECT_EQ((std::vector<StateFunction>{MenuState, PlayState, RespawnState}), Stack());

    int lastDistance = 1 << 30;
    int steps = 0;
    while (IsTopState(RespawnState) && steps < 200)
    {
        RespawnFrame();
        int distance = std::abs(rat.GetXPos() - 300) + std::abs(rat.GetYPos() - 800);
        EXPECT_LT(distance, lastDistance);
        lastDistance = distance;
        ++steps;
    }
    EXPECT_TRUE(IsTopState(PlayState));
    EXPECT_TRUE(rat.IsAlive());
    EXPECT_EQ(300, rat.GetXPos());
    EXPECT_EQ(800, rat.GetYPos());
    EXPECT_EQ(LIVES - 1, rat.GetLives());
}

TEST_F(PlayFrameTest, TwoDeathsInOneFrameCostTwoLives)
{
    StartLevel(Rec("Rat", 300, LEVEL_HEIGHT - RAT_HEIGHT - 2));
    AdvanceFakeClock(401 * 1000);
    Frame();
    EXPECT_EQ(LIVES - 2, rat.GetLives());
    EXPECT_FALSE(rat.IsAlive());
    EXPECT_TRUE(IsTopState(RespawnState));
}

TEST_F(PlayFrameTest, TheLevelClockCostsALifeAt401WholeSeconds)
{
    StartLevel(FloorLevel(100, STANDING_Y));
    AdvanceFakeClock(401 * 1000 - 1);
    PlayFrame();
    EXPECT_EQ(LIVES, rat.GetLives());
    EXPECT_TRUE(IsTopState(PlayState));
    AdvanceFakeClock(1);
    PlayFrame();
    EXPECT_EQ(LIVES - 1, rat.GetLives());
    EXPECT_EQ(0u, gameTimer.GetTicks());
    EXPECT_TRUE(IsTopState(RespawnState));
    // Other deaths leave the clock running.
    AdvanceFakeClock(5000);
    rat.SetBothPos(100, LEVEL_HEIGHT);
    PlayFrame();
    EXPECT_EQ(5000u, gameTimer.GetTicks());
}

TEST_F(PlayFrameTest, LosingTheLastLifeReplacesThePlayWithTheLostDialog)
{
    StartLevel(Rec("Rat", 300, 900));
    rat.SetLives(1);
    PushKeyPress(SDLK_p);
    bool going = true;
    for (int i = 0; i < 20 && going; ++i)
        going = Frame();
    EXPECT_FALSE(going);
    EXPECT_EQ(0, rat.GetLives());
    // The pause pushed in an earlier frame is gone too.
    EXPECT_EQ((std::vector<StateFunction>{MenuState, LostState}), Stack());
}

// A scientist standing below the world is killed in the first frame; his
// removal then comes due in the frame his death has lasted DEAD_FOR + 1
// updates.
class ScientistRemovalTest : public PlayTest
{
protected:
    void StartAndRunUpToRemoval(int score0)
    {
        StartLevel(FloorLevel(100, STANDING_Y) + Rec("Scientist", 3000, 900));
        Scientist* sci = dynamic_cast<Scientist*>(guy.at(0));
        ASSERT_NE(nullptr, sci);
        int frames = 0;
        while (!(sci->IsDead() && sci->GetDeadTime() == DEAD_FOR) && frames < 100)
        {
            Frame();
            ++frames;
        }
        ASSERT_EQ(DEAD_FOR, sci->GetDeadTime());
        ASSERT_TRUE(IsTopState(PlayState));
        score = score0;
    }
};

TEST_F(ScientistRemovalTest, RemovingTheScientistWinsAndRecordsTheScore)
{
    hiScore = 2;
    StartAndRunUpToRemoval(7);
    EXPECT_TRUE(Frame());
    EXPECT_TRUE(guy.empty());
    EXPECT_EQ((std::vector<StateFunction>{MenuState, WonState}), Stack());
    EXPECT_EQ(7, hiScore);
}

TEST_F(ScientistRemovalTest, PPressedInTheFrameOfTheWinIsDropped)
{
    StartAndRunUpToRemoval(0);
    PushKeyPress(SDLK_p);
    Frame();
    EXPECT_EQ((std::vector<StateFunction>{MenuState, WonState}), Stack());
}

TEST_F(ScientistRemovalTest, TheLossInTheSameFrameWinsOverTheWin)
{
    hiScore = 10;
    StartAndRunUpToRemoval(3);
    rat.SetLives(1);
    rat.SetBothPos(100, LEVEL_HEIGHT);
    EXPECT_FALSE(Frame());
    EXPECT_EQ((std::vector<StateFunction>{MenuState, LostState}), Stack());
    EXPECT_EQ(10, hiScore);
}

TEST_F(ScientistRemovalTest, ADeathWithLivesLeftRespawnsBeforeTheWin)
{
    StartAndRunUpToRemoval(0);
    rat.SetBothPos(100, LEVEL_HEIGHT);
    EXPECT_TRUE(Frame());
    EXPECT_EQ((std::vector<StateFunction>{MenuState, WonState, RespawnState}), Stack());
}

TEST_F(PlayFrameTest, RemovingAnEnemyDoesNotSkipTheNextOnesUpdate)
{
    // The first burger dies below the world and is removed after its dying
    // sequence; the second walks the floor in every frame meanwhile.
    const std::string walker = Rec("Burger", 800, FLOOR_Y - BURGER_HEIGHT) + Floor(FLOOR_ROW, 0, 40);
    StartLevel(Rec("Burger", 2000, 960) + walker);
    Frames(30);
    ASSERT_EQ(1u, guy.size());
    int x = guy[0]->GetXPos();
    int y = guy[0]->GetYPos();

    Restart();
    StartLevel(walker);
    Frames(30);
    ASSERT_EQ(1u, guy.size());
    EXPECT_EQ(x, guy[0]->GetXPos());
    EXPECT_EQ(y, guy[0]->GetYPos());
    EXPECT_EQ(800 - 3 * 30, x);
}

TEST_F(PlayFrameTest, KeysActOnTheirFrames)
{
    StartLevel(FloorLevel(1000, STANDING_Y));
    frameCount = 1;
    HoldKey(SDLK_RIGHT);
    Frame(); // frame 1: no control
    EXPECT_EQ(0, rat.GetXVel());
    Frame(); // frame 2: none
    Frame(); // frame 3: Right then friction
    EXPECT_EQ(1, rat.GetXVel());
    // Left and Right together cancel out.
    HoldKey(SDLK_LEFT);
    Frames(3);
    EXPECT_EQ(0, rat.GetXVel());
}

TEST_F(PlayFrameTest, PAndEscapePauseAndOneEventIsTakenPerFrame)
{
    StartLevel(FloorLevel(100, STANDING_Y));
    PushKeyPress(SDLK_a);
    PushKeyPress(SDLK_ESCAPE);
    Frame(); // key down of a
    Frame(); // key up of a
    EXPECT_TRUE(IsTopState(PlayState));
    Frame(); // key down of Escape
    EXPECT_EQ((std::vector<StateFunction>{MenuState, PlayState, PauseState}), Stack());
}

TEST_F(PlayFrameTest, ClosingTheWindowAsksToQuit)
{
    StartLevel(FloorLevel(100, STANDING_Y));
    PushQuitEvent();
    Frame();
    EXPECT_TRUE(IsTopState(QuitToDosState));
}

TEST_F(PlayFrameTest, RatIsHeldInsideTheLevelWidth)
{
    StartLevel(Rec("Rat", -30, STANDING_Y) + Floor(FLOOR_ROW, 0, 191));
    Frame();
    EXPECT_EQ(0, rat.GetXPos());
    rat.SetBothPos(LEVEL_WIDTH - 10, STANDING_Y);
    rat.SetXVel(8);
    Frame();
    EXPECT_EQ(LEVEL_WIDTH - RAT_WIDTH, rat.GetXPos());
    EXPECT_EQ(0, rat.GetXVel());
}

TEST_F(PlayFrameTest, TheArenaLocksTheCameraAndUnmutesTheScientist)
{
    const std::string arena = Floor(FLOOR_ROW, 165, 191) + Rec("Scientist", 5950, FLOOR_Y - SCIENTIST_HEIGHT);
    StartLevel(Rec("Rat", 5400, STANDING_Y) + arena);
    Scientist* sci = dynamic_cast<Scientist*>(guy.at(0));
    ASSERT_NE(nullptr, sci);
    Frame();
    EXPECT_TRUE(sci->IsMuted());
    EXPECT_NE(5488, camera.GetXPos());

    rat.SetBothPos(5480, STANDING_Y);
    Frame();
    EXPECT_EQ(5488, camera.GetXPos());
    EXPECT_EQ(464, camera.GetYPos());
    EXPECT_FALSE(sci->IsMuted());

    // Leaving the region does not mute him again; dying does.
    rat.SetBothPos(5400, STANDING_Y);
    Frame();
    EXPECT_FALSE(sci->IsMuted());
    rat.SetBothPos(5480, LEVEL_HEIGHT);
    Frame();
    EXPECT_TRUE(sci->IsMuted());
    EXPECT_EQ(5488, camera.GetXPos());
}

TEST_F(PlayFrameTest, ANewGameAfterALostOneRespawnsFirst)
{
    StartLevel(Rec("Rat", 300, 900));
    rat.SetLives(1);
    while (Frame())
    {
    }
    ASSERT_FALSE(rat.IsAlive());
    ResetGameState();
    StartLevel(FloorLevel(300, STANDING_Y));
    EXPECT_TRUE(Frame());
    EXPECT_EQ(LIVES, rat.GetLives());
    EXPECT_TRUE(IsTopState(RespawnState));
    RespawnFrame();
    EXPECT_TRUE(IsTopState(PlayState));
    EXPECT_TRUE(rat.IsAlive());
    EXPECT_EQ(STANDING_Y, rat.GetYPos());
}
