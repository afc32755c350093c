#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "enemies/guy.h"
#include "play/level_file.h"
#include "play/live_input.h"
#include "play/play_state.h"
#include "tests/support/test_env.h"
#include "world/constants.h"

// Level text in the file's own format, one record at a time.
inline std::string Rec(const std::string& tag, int x, int y)
{
    return tag + "\n" + std::to_string(x) + " " + std::to_string(y) + "\n";
}

inline std::string TileRec(const std::string& tag, int column, int row, int solidity, int type)
{
    return tag + "\n" + std::to_string(column) + " " + std::to_string(row) + " " + std::to_string(solidity) + " " +
           std::to_string(type) + "\n";
}

// Solid terrain along one file row.
inline std::string Floor(int row, int fromColumn, int toColumn)
{
    std::string text;
    for (int c = fromColumn; c <= toColumn; ++c)
        text += TileRec("Terrain", c, row, SOLID, 4);
    return text;
}

// File row 5 has its top at y = 800; a rat standing on it has y = 740.
const int FLOOR_ROW = 5;
const int FLOOR_Y = 32 * (30 - FLOOR_ROW);
const int STANDING_Y = FLOOR_Y - RAT_HEIGHT;

// Every test starts from a fresh game on the fake clock: no states, an empty
// world, a rat that no level has placed, frame 0.
class PlayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        InstallFakeClock();
        Restart();
    }
    void TearDown() override
    {
        RemoveFakeClock();
        ResetGameState();
    }
    void Restart()
    {
        ResetGameState();
        frameCount = 0;
        rat = Rat();
        rat.SetDefaults(rat_ss, &ratClips);
        camera.SetBothPos(0, 0);
    }

    // Starts a game on the given level text the way the main menu does.
    void StartLevel(const std::string& text)
    {
        WriteFile("levelmap1", text);
        level = 1;
        PushState(MenuState);
        PushState(PlayState);
        PrePlay();
    }

    // Frames of play on the live input (the keys and events the test set,
    // the fake clock), paced by hand, up to a loss. False when the game was
    // lost.
    bool Frames(int n = 1)
    {
        bool going = true;
        for (int i = 0; i < n && going; ++i, ++frameCount, AdvanceFakeClock(20))
            going = PlayFrame(ReadLiveInput(true), false);
        return going;
    }
};
