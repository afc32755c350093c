#include <gtest/gtest.h>
#include "enemies/scientist.h"
#include "tests/play/play_fixture.h"

using PlayFrameTest = PlayTest;

// A rat on a floor of solid tiles, nothing else.
static std::string FloorLevel(int ratX, int ratY) { return Rec("Rat", ratX, ratY) + Floor(FLOOR_ROW, 0, 40); }

// Where the rat is after some frames on a little level, one key held.
TEST_F(PlayFrameTest, TilesAndTheLevelsEdgesStopTheRat)
{
    const SDLKey none = SDLK_UNKNOWN;
    const std::string platform = TileRec("Terrain", 3, FLOOR_ROW, PLATFORM, 0);
    // Overhead: bottom at y 736, just above the head of a standing rat.
    const std::string ceiling = TileRec("Terrain", 3, FLOOR_ROW + 3, SOLID, 4);
    const std::string overheadPlatform = TileRec("Terrain", 3, FLOOR_ROW + 3, PLATFORM, 4);
    const std::string wall =
        TileRec("Terrain", 10, FLOOR_ROW + 1, SOLID, 4) + TileRec("Terrain", 10, FLOOR_ROW + 2, SOLID, 4);
    struct Case
    {
        const char* name;
        std::string level;
        SDLKey key;
        int frames, x, y;
    };
    const Case cases[] = {
        {"falls onto a platform", Rec("Rat", 96, STANDING_Y - 140) + platform, none, 40, 96, STANDING_Y},
        {"falls on through it from inside", Rec("Rat", 96, STANDING_Y + 20) + platform, none, 1, 96, STANDING_Y + 23},
        {"jumps up through it", Rec("Rat", 96, STANDING_Y + 32) + Floor(FLOOR_ROW - 1, 0, 9) + platform, SDLK_UP, 2, 96,
         STANDING_Y + 20},
        {"bumps its head and falls", FloorLevel(96, STANDING_Y) + ceiling, SDLK_UP, 3, 96, FLOOR_Y - 64 + 3},
        {"jumps through a platform overhead", FloorLevel(96, STANDING_Y) + overheadPlatform, SDLK_UP, 2, 96,
         STANDING_Y - 12},
        {"a wall on the right", FloorLevel(200, STANDING_Y) + wall, SDLK_RIGHT, 90, 320 - RAT_WIDTH + 3, STANDING_Y},
        {"a wall on the left", FloorLevel(400, STANDING_Y) + wall, SDLK_LEFT, 90, 352 - 3, STANDING_Y},
        {"the level's left edge", FloorLevel(-30, STANDING_Y - 40), none, 20, 0, STANDING_Y},
        {"the level's right edge", Rec("Rat", LEVEL_WIDTH - 10, STANDING_Y - 40) + Floor(FLOOR_ROW, 185, 191), none, 20,
         LEVEL_WIDTH - RAT_WIDTH, STANDING_Y}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Restart();
        StartLevel(c.level);
        HoldKey(c.key);
        Frames(c.frames);
        EXPECT_EQ(c.x, rat.GetXPos());
        EXPECT_EQ(c.y, rat.GetYPos());
    }
}

// A scientist below the world dies in the first frame; his removal DEAD_FOR
// + 1 frames later wins the game. What else happens in that frame decides
// how the game ends.
TEST_F(PlayFrameTest, TheScientistsRemovalEndsTheGame)
{
    struct Case
    {
        const char* name;
        int lives;
        bool ratDies, pressP;
        int score;
        Stack_t stack;
        int hiScore;
    };
    const Case cases[] = {
        {"a win raises the high score", LIVES, false, false, 7, {MenuState, WonState}, 7},
        {"P in the frame of the win is dropped", LIVES, false, true, 3, {MenuState, WonState}, 5},
        {"the loss wins over the win", 1, true, true, 9, {MenuState, LostState}, 9},
        {"a death with lives left respawns first", LIVES, true, false, 0, {MenuState, WonState, RespawnState}, 5}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Restart();
        hiScore = 5;
        StartLevel(FloorLevel(100, STANDING_Y) + Rec("Scientist", 3000, 900));
        Scientist* sci = dynamic_cast<Scientist*>(guy.at(0));
        ASSERT_NE(nullptr, sci);
        for (int i = 0; i < 100 && !(sci->IsDead() && sci->GetDeadTime() == DEAD_FOR); ++i)
            Frames(1);
        ASSERT_TRUE(IsTopState(PlayState));
        score = c.score;
        rat.SetLives(c.lives);
        if (c.ratDies)
            rat.SetBothPos(100, LEVEL_HEIGHT);
        if (c.pressP)
            PushKeyPress(SDLK_p);
        EXPECT_EQ(c.lives > 1, Frames(1));
        EXPECT_TRUE(guy.empty() && c.hiScore == hiScore);
        EXPECT_EQ(c.stack, Stack());
    }
}

TEST_F(PlayFrameTest, RemovingAnEnemyDoesNotSkipTheNextOnesUpdate)
{
    // The first burger falls out of the world and is removed after dying;
    // the second walks the floor in every frame meanwhile.
    StartLevel(Rec("Burger", 2000, 960) + Rec("Burger", 800, FLOOR_Y - BURGER_HEIGHT) + Floor(FLOOR_ROW, 0, 40));
    Frames(30);
    ASSERT_EQ(1u, guy.size());
    EXPECT_EQ(800 - 3 * 30, guy[0]->GetXPos());
}

TEST_F(PlayFrameTest, OneEventAFramePausesOrQuits)
{
    StartLevel(FloorLevel(100, STANDING_Y));
    PushKeyPress(SDLK_a);
    PushKeyPress(SDLK_ESCAPE);
    PushQuitEvent();
    Frames(3); // a down, a up, Escape down
    EXPECT_EQ((Stack_t{MenuState, PlayState, PauseState}), Stack());
    Frames(2);
    EXPECT_TRUE(IsTopState(QuitToDosState));
}

// Leaving the arena does not mute him again; dying does.
TEST_F(PlayFrameTest, TheArenaLocksTheCameraAndUnmutesTheScientist)
{
    StartLevel(Rec("Rat", 5400, STANDING_Y) + Floor(FLOOR_ROW, 165, 191) +
               Rec("Scientist", 5950, FLOOR_Y - SCIENTIST_HEIGHT));
    Scientist* sci = dynamic_cast<Scientist*>(guy.at(0));
    ASSERT_NE(nullptr, sci);
    std::vector<int> muted;
    for (int ratX : {5400, 5480, 5400})
    {
        rat.SetBothPos(ratX, STANDING_Y);
        Frames(1);
        muted.push_back(sci->IsMuted());
        EXPECT_TRUE(ratX != 5480 || (camera.GetXPos() == 5488 && camera.GetYPos() == 464)) << ratX;
    }
    rat.SetBothPos(5480, LEVEL_HEIGHT);
    Frames(1);
    muted.push_back(sci->IsMuted());
    EXPECT_EQ((std::vector<int>{1, 0, 0, 1}), muted);
}

TEST_F(PlayFrameTest, ANewGameAfterALostOneStartsAfreshButRespawnsFirst)
{
    StartLevel(Rec("Rat", 300, 900));
    rat.SetLives(1);
    EXPECT_FALSE(Frames(20));
    ResetGameState();
    score = 9;
    StartLevel(FloorLevel(300, STANDING_Y));
    EXPECT_TRUE(score == 0 && Frames(1) && rat.GetLives() == LIVES && IsTopState(RespawnState));
}
