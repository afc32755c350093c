#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/level_map.h"
#include "tests/editor/editor_fixture.h"

namespace
{

void EditorBelow() {}

// The map's arrows move its own cursor, Shift eight cells; Tab or Return
// takes the editor's cursor there, Escape leaves it where it was. F1's list
// stays until any key, a close asks to quit.
TEST_F(EditorTest, MapMovesTheCursorTabOrReturnKeepItAndTheKeyListWaitsForAKey)
{
    const struct
    {
        const char* frames;
        int x, y;
    } cases[] = {{"rS d M", 64 + 256, 64}, {"lS C", 0, 32}, {"rS L", 64, 32}};
    for (const auto& c : cases)
    {
        CurrentEditorSession().cursor.SetBothPos(64, 32);
        PushState(EditorBelow);
        PushState(LevelMapState);
        Script(c.frames);
        RunLevelMap(Scripted);
        EXPECT_TRUE(IsTopState(EditorBelow));
        EXPECT_EQ(CurrentEditorSession().cursor.GetXPos(), c.x);
        EXPECT_EQ(CurrentEditorSession().cursor.GetYPos(), c.y);
    }
    for (bool close : {false, true})
    {
        PushState(EditorKeysState);
        close ? PushQuitEvent() : PushKeyPress(SDLK_a);
        EditorKeysState();
        EXPECT_TRUE(IsTopState(close ? QuitToDosState : EditorBelow));
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
    const int x0 = (640 - 192 * 3) / 2 + 1, y0 = (480 - 31 * 3) / 2 + 1, bottom = y0 + 30 * 3;
    // The bottom row's cells 0 to 5, the burger, the rat's start, the cursor, nothing.
    const int at[][2] = {{0, bottom},  {3, bottom},   {6, bottom},       {9, bottom},        {12, bottom},
                         {15, bottom}, {191 * 3, y0}, {100 * 3, bottom}, {191 * 3, y0 + 45}, {50 * 3, y0 + 50}};
    const Uint32 rgb[] = {0xB9B9B9, 0x464646, 0x285AE6, 0xFAD71E, 0x28C85A,
                          0xEB32EB, 0xD76E1E, 0xFF96B4, 0xFF0000, 0x101018};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(PixelRGB(screen, x0 + at[i][0], at[i][1]), rgb[i]) << i;
}

} // namespace
