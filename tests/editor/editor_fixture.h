#pragma once
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
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
        TheEditHistory().Clear();
        ResetGameState();
        StartEditorSession();
        InstallFakeClock(1000);
        // The level, its backup and any temporary file a killed save left.
        for (const auto& entry : std::filesystem::directory_iterator("."))
            if (entry.path().filename().string().rfind(EDITOR_LEVEL_FILE, 0) == 0)
                std::filesystem::remove_all(entry.path());
        camera.SetBothPos(0, 0);
        rat.SetBothPos(0, 0);
    }
    void TearDown() override
    {
        TheEditHistory().Clear();
        RemoveFakeClock();
    }

    // One editor frame with exactly the given key held, then one with
    // nothing held; the time they waited.
    static Uint32 FrameHolding(EditorSession& s, bool EditorInput::*key, bool shift = false)
    {
        Uint32 before = VEK_GetTicks();
        EditorInput input;
        input.*key = true;
        input.shift = shift;
        EditorFrame(s, input);
        EditorFrame(s, EditorInput());
        return VEK_GetTicks() - before;
    }
    // One frame's input from a word: i Insert, x Delete, l r u d arrows,
    // S Shift, h Home held; Z undo, Y redo, R the rat's start, T test play,
    // H test play here, M map, C Return, L leave pressed; "." nothing.
    static EditorInput Frame(const std::string& word)
    {
        static const std::string held = "ixlrudSh", presses = ".LQZYRTHMKC"; // presses in EditorPress order
        static bool EditorInput::*const fields[] = {&EditorInput::insert, &EditorInput::remove, &EditorInput::left,
                                                    &EditorInput::right,  &EditorInput::up,     &EditorInput::down,
                                                    &EditorInput::shift,  &EditorInput::home};
        EditorInput in;
        for (char c : word)
        {
            if (held.find(c) != std::string::npos)
                in.*fields[held.find(c)] = true;
            if (presses.find(c) != std::string::npos)
                in.press = EditorPress(presses.find(c));
        }
        return in;
    }
    // An input source for RunEditor and the map: the words, one a frame;
    // then the window is closed.
    static inline std::deque<EditorInput> script;
    static void Script(const std::string& words)
    {
        std::istringstream in(words);
        script.clear();
        for (std::string w; in >> w;)
            script.push_back(Frame(w));
    }
    static EditorInput Scripted()
    {
        if (script.empty())
            return Frame("Q");
        EditorInput in = script.front();
        script.pop_front();
        return in;
    }
    // Frames, one per word.
    static void Play(EditorSession& s, const std::string& words)
    {
        for (Script(words); !script.empty();)
            EditorFrame(s, Scripted());
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
        TheEditHistory().Clear();
        LoadLevel(EDITOR_LEVEL_FILE);
    }
};
