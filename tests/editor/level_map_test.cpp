#include <deque>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/level_map.h"
#include "tests/editor/editor_fixture.h"

namespace
{

std::deque<EditorInput> frames;
EditorInput Next()
{
    EditorInput in;
    in.press = EditorPress::Close; // a script run out closes the window
    if (!frames.empty())
    {
        in = frames.front();
        frames.pop_front();
    }
    return in;
}

EditorInput Held(bool EditorInput::*key, bool shift, EditorPress press = EditorPress::None)
{
    EditorInput in;
    if (key)
        in.*key = true;
    in.shift = shift;
    in.press = press;
    return in;
}

void EditorBelow() {}

// The map's arrows move its own cursor, Shift eight cells; Tab or Return
// takes the editor's cursor there, Escape leaves it where it was.
TEST_F(EditorTest, MapMovesTheCursorAndTabOrReturnKeepIt)
{
    const struct
    {
        std::deque<EditorInput> script;
        int x, y;
    } cases[] = {
        {{Held(&EditorInput::right, true), Held(&EditorInput::down, false), Held(nullptr, false, EditorPress::Map)},
         64 + 256,
         32 + 32},
        {{Held(&EditorInput::left, true), Held(nullptr, false, EditorPress::Confirm)}, 0, 32},
        {{Held(&EditorInput::right, true), Held(nullptr, false, EditorPress::Leave)}, 64, 32},
    };
    for (const auto& c : cases)
    {
        CurrentEditorSession().cursor.SetBothPos(64, 32);
        PushState(EditorBelow);
        PushState(LevelMapState);
        frames = c.script;
        RunLevelMap(Next);
        EXPECT_TRUE(IsTopState(EditorBelow));
        EXPECT_EQ(CurrentEditorSession().cursor.GetXPos(), c.x);
        EXPECT_EQ(CurrentEditorSession().cursor.GetYPos(), c.y);
        PopState();
    }
}

// Each cell is three pixels, coloured by what it holds; the cursor is red.
TEST_F(EditorTest, MapShowsEveryCellByWhatItHolds)
{
    ASSERT_NE(screen, nullptr);
    Load("Rat\n3200 928\nTerrain\n0 0 2 9\nTerrain\n1 0 0 3\nWater\n2 0 0 0\nCheese\n96 960\nEel\n128 960\n"
         "Scientist\n160 960\nBurger\n6112 0\n");
    LocatedThing cursor;
    cursor.SetBothPos(6112, 480);
    DrawLevelMap(cursor);
    const int x0 = (640 - 192 * 3) / 2, y0 = (480 - 31 * 3) / 2, bottom = y0 + 30 * 3 + 1;
    const struct
    {
        int x, y;
        Uint32 rgb;
    } cells[] = {
        {x0 + 1, bottom, 0xB9B9B9},
        {x0 + 4, bottom, 0x464646},
        {x0 + 7, bottom, 0x285AE6},
        {x0 + 10, bottom, 0xFAD71E},
        {x0 + 13, bottom, 0x28C85A},
        {x0 + 16, bottom, 0xEB32EB},
        {x0 + 191 * 3 + 1, y0 + 1, 0xD76E1E},
        {x0 + 100 * 3 + 1, bottom, 0xFF96B4},
        {x0 + 191 * 3 + 1, y0 + 46, 0xFF0000},
        {x0 + 50 * 3 + 1, y0 + 50, 0x101018},
    };
    for (const auto& c : cells)
        EXPECT_EQ(PixelRGB(screen, c.x, c.y), c.rgb) << c.x << "," << c.y;
}

} // namespace

namespace
{

// F1's key list stays over the editor until any key; a close asks to quit.
TEST_F(EditorTest, KeyListStaysUntilAnyKey)
{
    for (bool close : {false, true})
    {
        ResetGameState();
        PushState(EditorBelow);
        PushState(EditorKeysState);
        SDL_Event up{};
        up.key.type = SDL_KEYUP;
        up.key.keysym.sym = SDLK_F1;
        SDL_PushEvent(&up); // the release of F1 itself
        if (close)
            PushQuitEvent();
        else
            PushKeyPress(SDLK_a);
        EditorKeysState();
        EXPECT_TRUE(IsTopState(close ? QuitToDosState : EditorBelow));
        EXPECT_EQ(StateStack.size(), close ? 2u : 1u);
    }
}

} // namespace
