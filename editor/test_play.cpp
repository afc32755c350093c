#include "editor/test_play.h"
#include <SDL_mixer.h>
#include <sstream>
#include <utility>
#include "app/globals.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/level_file.h"
#include "play/play_state.h"
#include "world/constants.h"
#include "world/game_random.h"
#include "world/tile_grid.h"

namespace
{

// What the editor had when the test play began.
struct SetAside
{
    bool going = false;
    std::vector<Tile*> tiles;
    std::vector<Cheese*> cheeses;
    std::vector<Guy*> guys;
    Rat rat;
    int score = 0;
    Camera camera;
};

SetAside aside;
bool fromCursorAsked = false;

void SwapLists()
{
    std::swap(tile, aside.tiles);
    std::swap(cheese, aside.cheeses);
    std::swap(guy, aside.guys);
    TilesEdited();
}

} // namespace

void RequestTestPlay(bool fromCursor)
{
    fromCursorAsked = fromCursor;
    PushState(TestPlayState);
}

void BeginTestPlay(bool fromCursor)
{
    const std::string text = LevelFileText();
    const EditorSession& s = CurrentEditorSession();
    aside.going = true;
    aside.rat = rat;
    aside.score = score;
    aside.camera = camera;
    SwapLists();
    srand(GameRandomState());
    std::istringstream in(text);
    LoadLevelFrom(in);
    if (fromCursor)
    {
        const int x = s.cursor.GetXPos(), y = s.cursor.GetYPos() + TILE_HEIGHT - RAT_HEIGHT;
        rat.SetBothPos(x, y);
        rat.SetStartPos(x, y);
        rat.SetCollBoxes();
    }
    SetTestGameHome(TestPlayState);
    StartGameOnLevel();
}

void EndTestPlay()
{
    if (!aside.going)
        return;
    aside.going = false;
    SetTestGameHome(nullptr);
    ClearWorld();
    SwapLists();
    rat = aside.rat;
    score = aside.score;
    camera = aside.camera;
    if (Mix_PlayingMusic())
        Mix_HaltMusic();
    if (music2)
        Mix_PlayMusic(music2, -1);
}

void TestPlayState()
{
    // The editor keeps its session for when it runs again.
    ResumeEditorSession();
    if (!aside.going)
    {
        BeginTestPlay(fromCursorAsked);
        PushState(PlayState);
        return;
    }
    EndTestPlay();
    PopState();
}
