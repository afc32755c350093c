#pragma once
#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include "app/globals.h"
#include "editor/editor.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "tests/support/test_env.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"

// A started game with an empty world, no level file and the fake clock, so
// every editor wait is instant and can be measured.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        InstallFakeClock(1000);
        // Frame pacing measures on the frame timer; started on the real
        // clock it would never see the fake one move.
        frameTimer.Start();
        lastFrame = 0;
        RemoveLevelFiles();
        camera.SetBothPos(0, 0);
        camera.SetBothSize(EDITOR_PANEL_X, SCREEN_HEIGHT);
    }

    void TearDown() override
    {
        RemoveFakeClock();
        ResetGameState();
        RemoveLevelFiles();
    }

    static void RemoveLevelFiles()
    {
        std::error_code err;
        std::filesystem::remove_all(EDITOR_LEVEL_FILE, err);
        std::filesystem::remove_all(SafeTempName(EDITOR_LEVEL_FILE), err);
    }

    static Uint32 Now() { return VEK_GetTicks(); }

    // Runs one editor frame with exactly the given key held.
    static void FrameHolding(EditorSession& s, SDLKey key)
    {
        ReleaseAllKeys();
        HoldKey(key);
        EditorFrame(s);
        ReleaseAllKeys();
    }

    static void AddTerrain(int x, int y, int type = 4, int solidity = SOLID)
    {
        tile.push_back(new InanimateTile(x, y, solidity, type, terrain_ts, &terrainClips[type]));
    }
    static void AddWater(int x, int y)
    {
        tile.push_back(new WaterTile(x, y, GHOST, 0, water_ts, &waterClips));
    }
    static void AddBurger(int x, int y)
    {
        Burger* b = new Burger();
        b->SetBothPos(x, y);
        guy.push_back(b);
    }
    static void AddEel(int x, int y)
    {
        Eel* e = new Eel();
        e->SetBothPos(x, y);
        guy.push_back(e);
    }
    static void AddCheese(int x, int y) { cheese.push_back(new Cheese(x, y)); }

    static EditorSession SessionAt(int x, int y, ELEMENTS mode)
    {
        EditorSession s;
        s.cursor.SetBothPos(x, y);
        s.mode = mode;
        return s;
    }
};

