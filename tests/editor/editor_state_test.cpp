#include "tests/editor/editor_fixture.h"
#include <SDL_mixer.h>
#include <filesystem>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "play/level_file.h"

namespace fs = std::filesystem;

namespace {

void BottomState() {}

// A dialog returns on the key press of Enter; its release may still wait.
bool NoKeyPressQueued()
{
    SDL_Event e;
    return SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_KEYDOWN)) == 0;
}

class EditorStates : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        PushState(BottomState);
        PushState(EditorState);
    }

    // Queues events that keep the editor busy for `frames` frames (one
    // event a frame) and then leave it with Escape.
    static void QueueFramesThenEscape(int frames)
    {
        for (int i = 0; i < frames / 2; ++i)
            PushKeyPress(SDLK_a); // a press is two events
        if (frames % 2)
        {
            SDL_Event e = {};
            e.type = SDL_USEREVENT;
            SDL_PushEvent(&e);
        }
        PushKeyPress(SDLK_ESCAPE);
    }

    static bool HasTerrainAt(int x, int y)
    {
        for (Tile* t : tile)
            if (t->GetXPos() == x && t->GetYPos() == y)
                return true;
        return false;
    }
};

TEST_F(EditorStates, RunsFramesUntilEscapeThenLeavesTheDialogOnTop)
{
    QueueFramesThenEscape(4);
    HoldKey(SDLK_RIGHT);
    HoldKey(SDLK_INSERT);
    EditorState();
    // Four quiet frames and the Escape frame itself, each moving then placing.
    EXPECT_EQ(tile.size(), 5u);
    EXPECT_TRUE(HasTerrainAt(32, 0));
    EXPECT_TRUE(HasTerrainAt(160, 0));
    EXPECT_TRUE(IsTopState(QuitEditorState));
    EXPECT_EQ(camera.GetXSize(), 544);
    EXPECT_EQ(camera.GetYSize(), 480);
}

TEST_F(EditorStates, WindowCloseHandsOverToTheQuitProgramDialog)
{
    PushQuitEvent();
    EditorState();
    EXPECT_TRUE(IsTopState(QuitToDosState));
}

TEST_F(EditorStates, ContinueEditingRestartsTheSessionOnTheSameLevel)
{
    QueueFramesThenEscape(11);
    HoldKey(SDLK_RIGHT);
    EditorState();
    ASSERT_GT(camera.GetXPos(), 0);
    AddCheese(500, 500);

    ReleaseAllKeys();
    PushKeyPress(SDLK_RETURN); // "Continue Editing"
    QuitEditorState();
    EXPECT_TRUE(IsTopState(EditorState));

    PushKeyPress(SDLK_ESCAPE);
    HoldKey(SDLK_INSERT);
    EditorState();
    EXPECT_TRUE(HasTerrainAt(0, 0));
    EXPECT_EQ(camera.GetXPos(), 0);
    EXPECT_EQ(camera.GetYPos(), 0);
    EXPECT_EQ(cheese.size(), 1u);
}

TEST_F(EditorStates, SaveAndQuitWritesTheLevelAndReturnsToTheMenu)
{
    PushState(QuitEditorState);
    AddBurger(64, 64);
    rat.SetBothPos(5, 6);
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
    QuitEditorState();
    EXPECT_TRUE(IsTopState(BottomState));
    EXPECT_EQ(StateStack.size(), 1u);
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n5 6\nBurger\n64 64\n");
}

TEST_F(EditorStates, QuitWithoutSavingLeavesTheFileAndKeepsTheListsInMemory)
{
    WriteFile(EDITOR_LEVEL_FILE, "Rat\n1 2\n");
    PushState(QuitEditorState);
    AddBurger(64, 64);
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
    QuitEditorState();
    EXPECT_TRUE(IsTopState(BottomState));
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n1 2\n");
    EXPECT_EQ(guy.size(), 1u);
}

TEST_F(EditorStates, FailedSaveShowsAMessageAndReturnsToTheEditor)
{
    WriteFile(EDITOR_LEVEL_FILE, "Rat\n1 2\n");
    fs::create_directory(SafeTempName(EDITOR_LEVEL_FILE)); // see safe_save_test.cpp
    PushState(QuitEditorState);
    AddBurger(64, 64);
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN); // "Save and Quit"
    PushKeyPress(SDLK_RETURN); // acknowledges "Could Not Save Level"
    QuitEditorState();

    EXPECT_TRUE(NoKeyPressQueued()) << "the failure message did not wait for Enter";
    EXPECT_TRUE(IsTopState(EditorState));
    EXPECT_EQ(StateStack.size(), 2u);
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n1 2\n");
    EXPECT_EQ(guy.size(), 1u);

    // Once the way is clear the same level saves.
    fs::remove(SafeTempName(EDITOR_LEVEL_FILE));
    PushState(QuitEditorState);
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
    QuitEditorState();
    EXPECT_TRUE(IsTopState(BottomState));
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), LevelFileText());
}

// ---- Entering the editor ----

TEST_F(EditorTest, PreEditLoadsTheUserLevelAndPlaysTheEditorMusic)
{
    WriteFile(EDITOR_LEVEL_FILE, "Rat\n64 64\nCheese\n32 32\nBurger\n96 96\n");
    AddTerrain(0, 0);
    PreEdit();
    EXPECT_TRUE(tile.empty());
    EXPECT_EQ(cheese.size(), 1u);
    EXPECT_EQ(guy.size(), 1u);
    if (music2)
    {
        EXPECT_EQ(Mix_PlayingMusic(), 1);
    }
}

TEST_F(EditorTest, RatNeverPlacedByALevelCanStillBeDrawn)
{
    std::vector<SDL_Rect>* keptClips = rat.GetClips();
    SDL_Surface* keptSheet = rat.GetSpriteSheet();
    rat.SetClips(nullptr);
    rat.SetSpriteSheet(nullptr);

    PreEdit(); // no levelmap0, so no rat record
    EXPECT_EQ(rat.GetSpriteSheet(), rat_ss);
    EXPECT_EQ(rat.GetClips(), &ratClips);

    PushState(EditorState);
    PushKeyPress(SDLK_ESCAPE);
    EditorState(); // draws the level, the rat included
    EXPECT_TRUE(IsTopState(QuitEditorState));

    rat.SetClips(keptClips ? keptClips : &ratClips);
    rat.SetSpriteSheet(keptSheet ? keptSheet : rat_ss);
}

} // namespace
