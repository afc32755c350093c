#include <deque>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/test_play.h"
#include "play/game_recorder.h"
#include "play/play_state.h"
#include "tests/editor/editor_fixture.h"

namespace
{

void BottomState() {}

// The editor's frames, one input each; then the window is closed.
std::deque<EditorInput> script;
EditorInput Scripted()
{
    EditorInput in;
    in.press = EditorPress::Close;
    if (!script.empty())
    {
        in = script.front();
        script.pop_front();
    }
    return in;
}
EditorInput With(EditorPress press, bool insert = false)
{
    EditorInput in;
    in.press = press;
    in.insert = insert;
    return in;
}

// Runs the states above the editor until it is on top again, answering
// the pause dialog with "Quit to Menu" and its question with "Yes", and the
// end messages with Return. The first frame of play presses Escape when
// asked. The number of states run, or -1 when the editor never came back.
int RunTestPlay(bool pause)
{
    if (pause)
        PushKeyPress(SDLK_ESCAPE);
    for (int runs = 0; runs < 10000; ++runs)
    {
        if (IsTopState(EditorState))
            return runs;
        const StateFunction top = StateStack.top().StatePointer;
        if (top == PauseState || top == QuitToMenuState)
        {
            PushKeyPress(SDLK_DOWN);
            PushKeyPress(SDLK_RETURN);
        }
        if (top == WonState || top == LostState)
            PushKeyPress(SDLK_RETURN);
        top();
    }
    return -1;
}

// A test play runs the real game on the level as the editor has it, from
// the rat's start or the cursor's cell; when it is left or lost, the editor
// has back its very lists, rat, score, camera and session, and what could be
// undone before still can. The game raises no high score and is not
// recorded.
TEST_F(EditorTest, TestPlayComesBackToTheEditorAsItWasAndUndoGoesOn)
{
    // The rat stands on cheese over nothing: play takes the cheese at once
    // and the rat falls out of the level, life after life.
    const struct
    {
        EditorPress press;
        bool pause;
        int ratX, ratY; // where play starts the rat
    } cases[] = {
        {EditorPress::TestPlay, true, 0, 0},
        {EditorPress::TestPlayHere, true, 64, -28},
        {EditorPress::TestPlay, false, 0, 0},
        {EditorPress::TestPlayHere, false, 64, -28},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pause);
        ResetGameState();
        Load("Rat\n0 0\nCheese\n0 0\nBurger\n300 0\nWater\n5 5 0 0\n");
        hiScore = 0;
        score = 7;
        PushState(BottomState);
        PushState(EditorState);
        EditorInput right;
        right.right = true;
        script = {With(EditorPress::None, true), EditorInput(), right, right, EditorInput(), With(c.press)};
        RunEditor(Scripted);
        ASSERT_TRUE(IsTopState(TestPlayState));
        const std::vector<Tile*> tiles = tile;
        const std::vector<Cheese*> cheeses = cheese;
        const std::vector<Guy*> guys = guy;
        const std::string level = LevelFileText();
        const int cameraX = camera.GetXPos(), cameraW = camera.GetXSize(), lives = rat.GetLives();

        TestPlayState();
        ASSERT_TRUE(IsTopState(PlayState));
        EXPECT_EQ(std::to_string(rat.GetXPos()) + "," + std::to_string(rat.GetYPos()) + "," +
                      std::to_string(rat.GetStartY()),
                  std::to_string(c.ratX) + "," + std::to_string(c.ratY) + "," + std::to_string(c.ratY));
        EXPECT_TRUE(tile.size() == 2u && cheese.size() == 1u && cheeses[0] != cheese[0]);
        EXPECT_GT(RunTestPlay(c.pause), 0);
        EXPECT_TRUE(tile == tiles && cheese == cheeses && guy == guys);
        EXPECT_EQ(LevelFileText(), level);
        EXPECT_EQ(score, 7);
        EXPECT_EQ(hiScore, 0);
        EXPECT_EQ(rat.GetLives(), lives);
        EXPECT_EQ(rat.GetXPos(), 0);
        EXPECT_TRUE(camera.GetXPos() == cameraX && camera.GetXSize() == cameraW);

        // The editor runs on with its session: one undo takes back the
        // insert at the top-left cell, wherever the cursor was.
        script = {With(EditorPress::Undo), EditorInput(), EditorInput(), With(EditorPress::Leave)};
        RunEditor(Scripted);
        EXPECT_EQ(CurrentEditorSession().cursor.GetXPos(), 0);
        EXPECT_EQ(LevelFileText(), "Rat\n0 0\nBurger\n300 0\nCheese\n0 0\nWater\n5 5 0 0\n");
        PopState();
    }
    FinishRecordingWrites();
    EXPECT_FALSE(FileExists(LAST_GAME_REPLAY));
}

// Steps live through "Continue Editing" and the window-close dialog's "No",
// and end when the editor is left for the menu.
TEST_F(EditorTest, HistoryLivesThroughDialogsOverTheEditorAndEndsWithIt)
{
    Load("Rat\n0 0\n");
    PushState(BottomState);
    PushState(EditorState);
    script = {With(EditorPress::None, true), EditorInput(), With(EditorPress::Leave)};
    RunEditor(Scripted);
    PushKeyPress(SDLK_RETURN); // "Continue Editing"
    QuitEditorState();
    script = {EditorInput()}; // then the window is closed
    RunEditor(Scripted);
    PushKeyPress(SDLK_RETURN); // "No"
    QuitToDosState();
    EXPECT_EQ(TheEditHistory().UndoCount(), 1u);
    script = {With(EditorPress::Undo), With(EditorPress::Leave)};
    RunEditor(Scripted);
    EXPECT_TRUE(tile.empty());
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN); // "Quit Without Saving"
    QuitEditorState();
    EXPECT_TRUE(IsTopState(BottomState));
    EXPECT_EQ(TheEditHistory().UndoCount() + TheEditHistory().RedoCount(), 0u);
}

} // namespace
