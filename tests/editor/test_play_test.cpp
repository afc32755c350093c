#include <tuple>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/test_play.h"
#include "play/game_recorder.h"
#include "play/play_state.h"
#include "tests/editor/editor_fixture.h"

namespace
{

void BottomState() {}

// Runs the states over the editor until it is on top again, answering the
// pause dialog and its question with their second option and the end
// messages with Return; -1 when the editor never comes back.
int RunUntilEditor()
{
    for (int runs = 0; runs < 10000; ++runs)
    {
        if (IsTopState(EditorState))
            return runs;
        const StateFunction top = StateStack.top().StatePointer;
        if (top == PauseState || top == QuitToMenuState)
            PushKeyPress(SDLK_DOWN);
        if (top == PauseState || top == QuitToMenuState || top == WonState || top == LostState)
            PushKeyPress(SDLK_RETURN);
        top();
    }
    return -1;
}

// A test play runs the real game on the level as the editor has it, from
// the rat's start or the cursor's cell. Left or lost, it gives the editor
// back its very lists, rat, score, camera and session, and the history goes
// on. It raises no high score and is not recorded.
TEST_F(EditorTest, TestPlayComesBackToTheEditorAsItWasAndUndoGoesOn)
{
    // The rat stands on cheese over nothing: play takes the cheese at once
    // and the rat falls out of the level, life after life.
    const struct
    {
        const char* press;
        bool pause;
        int ratX, ratY; // where play starts the rat
    } cases[] = {{"T", true, 0, 0}, {"H", true, 64, -28}, {"T", false, 0, 0}, {"H", false, 64, -28}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.press + std::to_string(c.pause));
        ResetGameState();
        Load("Rat\n0 0\nCheese\n0 0\nBurger\n300 0\nWater\n5 5 0 0\n");
        hiScore = 0;
        score = 7;
        PushState(BottomState);
        PushState(EditorState);
        Script(std::string("i . r r . ") + c.press);
        RunEditor(Scripted);
        // Everything the editor had: lists, level, score, camera, lives.
        auto Editor = [] {
            return std::make_tuple(tile, cheese, guy, LevelFileText(), score, hiScore, camera.GetXPos(),
                                   camera.GetXSize(), rat.GetLives(), CurrentEditorSession().cursor.GetXPos());
        };
        const auto before = Editor();
        TestPlayState();
        ASSERT_TRUE(IsTopState(PlayState));
        EXPECT_TRUE(rat.GetXPos() == c.ratX && rat.GetYPos() == c.ratY && rat.GetStartY() == c.ratY);
        EXPECT_TRUE(tile.size() == 2u && cheese.size() == 1u && std::get<1>(before)[0] != cheese[0]);
        if (c.pause)
            PushKeyPress(SDLK_ESCAPE);
        EXPECT_GT(RunUntilEditor(), 0);
        EXPECT_TRUE(Editor() == before);

        // The editor runs on with its session: one undo takes back the
        // insert at the top-left cell.
        Script("Z . . L");
        RunEditor(Scripted);
        EXPECT_EQ(LevelFileText(), "Rat\n0 0\nBurger\n300 0\nCheese\n0 0\nWater\n5 5 0 0\n");
    }
    FinishRecordingWrites();
    EXPECT_FALSE(FileExists(LAST_GAME_REPLAY));
}

} // namespace
