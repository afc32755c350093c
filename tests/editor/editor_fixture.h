#pragma once
#include <filesystem>
#include <gtest/gtest.h>
#include "app/globals.h"
#include "editor/editor.h"
#include "play/level_file.h"
#include "tests/support/file_faults.h"
#include "tests/support/test_env.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"

// A started game with an empty world, the rat at (0,0), no level file and
// the fake clock, so every editor wait is instant and can be measured.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        ResetGameState();
        InstallFakeClock(1000);
        // The level, its backup and any temporary file a killed save left.
        for (const auto& entry : std::filesystem::directory_iterator("."))
            if (entry.path().filename().string().rfind(EDITOR_LEVEL_FILE, 0) == 0)
                std::filesystem::remove_all(entry.path());
        camera.SetBothPos(0, 0);
        rat.SetBothPos(0, 0);
    }
    void TearDown() override { RemoveFakeClock(); }

    // One editor frame with exactly the given key held; the time it waited.
    static Uint32 FrameHolding(EditorSession& s, bool EditorInput::*key)
    {
        Uint32 before = VEK_GetTicks();
        EditorInput input;
        input.*key = true;
        EditorFrame(s, input);
        return VEK_GetTicks() - before;
    }
    static EditorSession SessionAt(int x, int y, ELEMENTS mode, int tileIndex = 0)
    {
        EditorSession s;
        s.cursor.SetBothPos(x, y);
        s.mode = mode;
        s.tileIndex = tileIndex;
        return s;
    }

    // Fills the world as the editor would find it in this level file.
    static void Load(const std::string& text)
    {
        WriteFile(EDITOR_LEVEL_FILE, text);
        LoadLevel(EDITOR_LEVEL_FILE);
    }
};
