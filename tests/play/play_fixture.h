#pragma once
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "enemies/guy.h"
#include "play/level_file.h"
#include "play/play_state.h"
#include "tests/support/test_env.h"
#include "world/constants.h"

// Level text, one record at a time, in the file's own format.
inline std::string Rec(const std::string& tag, int x, int y)
{
    return tag + "\n" + std::to_string(x) + " " + std::to_string(y) + "\n";
}

inline std::string TileRec(const std::string& tag, int column, int row, int solidity, int type)
{
    std::ostringstream out;
    out << tag << "\n" << column << " " << row << " " << solidity << " " << type << "\n";
    return out.str();
}

// A run of solid terrain (type 4) along one file row.
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

// Every test starts from a fresh game: no states, an empty world, a rat
// that no level has placed, the fake clock, and frame 0.
class PlayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        InstallFakeClock();
        frameCount = 0;
        hiScore = 0;
        rat = Rat();
        rat.SetDefaults(rat_ss, &ratClips);
        camera.SetBothPos(0, 0);
    }

    // A second game in the same test, with a rat that never played.
    void Restart()
    {
        ResetGameState();
        rat = Rat();
        rat.SetDefaults(rat_ss, &ratClips);
    }

    void TearDown() override
    {
        RemoveFakeClock();
        ResetGameState();
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

    // One frame as the play state runs it, with the frame counter moving on
    // as the pacing would. False when the game was lost.
    bool Frame()
    {
        bool going = PlayFrame();
        frameCount += 1;
        AdvanceFakeClock(20);
        return going;
    }

    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            Frame();
    }

    static std::vector<StateFunction> Stack()
    {
        std::vector<StateFunction> states;
        auto copy = StateStack;
        while (!copy.empty())
        {
            states.insert(states.begin(), copy.top().StatePointer);
            copy.pop();
        }
        return states;
    }
};
