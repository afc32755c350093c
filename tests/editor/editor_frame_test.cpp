#include "tests/editor/editor_fixture.h"

namespace
{

// The session as "x,y mode type kind".
std::string Str(const EditorSession& s)
{
    return std::to_string(s.cursor.GetXPos()) + "," + std::to_string(s.cursor.GetYPos()) + " " +
           std::to_string(s.mode) + " " + std::to_string(s.tileIndex) + " " + std::to_string(s.guyKind);
}

// Arrows move the cursor one cell while it stays on the level, Home walks
// the modes, the page keys wrap the terrain type or, in enemy mode, switch
// the kind; each waits when it acts.
TEST_F(EditorTest, HeldKeysMoveTheCursorAndPickModeAndTypeWithAWait)
{
    const struct
    {
        int x, y;
        ELEMENTS mode;
        int type;
        bool EditorInput::*key;
        const char* want;
        Uint32 wait;
        bool shift = false;
    } cases[] = {
        {0, 480, ELEM_TERRAIN, 0, &EditorInput::left, "0,480 0 0 0", 0},
        {32, 480, ELEM_TERRAIN, 0, &EditorInput::left, "0,480 0 0 0", 50},
        {320, 0, ELEM_TERRAIN, 0, &EditorInput::up, "320,0 0 0 0", 0},
        {320, 32, ELEM_TERRAIN, 0, &EditorInput::up, "320,0 0 0 0", 50},
        {6112, 0, ELEM_TERRAIN, 0, &EditorInput::right, "6112,0 0 0 0", 0},
        {6080, 0, ELEM_TERRAIN, 0, &EditorInput::right, "6112,0 0 0 0", 50},
        {0, 960, ELEM_TERRAIN, 0, &EditorInput::down, "0,960 0 0 0", 0},
        {0, 928, ELEM_TERRAIN, 0, &EditorInput::down, "0,960 0 0 0", 50},
        {0, 0, ELEM_TERRAIN, 0, &EditorInput::home, "0,0 1 0 0", 90},
        {0, 0, ELEM_GUY, 0, &EditorInput::home, "0,0 0 0 0", 90},
        {0, 0, ELEM_TERRAIN, 0, &EditorInput::pageDown, "0,0 0 17 0", 90},
        {0, 0, ELEM_TERRAIN, 17, &EditorInput::pageUp, "0,0 0 0 0", 90},
        {0, 0, ELEM_GUY, 7, &EditorInput::pageUp, "0,0 3 7 1", 90},
        {0, 0, ELEM_GUY, 7, &EditorInput::pageDown, "0,0 3 7 1", 90},
        {0, 0, ELEM_CHEESE, 7, &EditorInput::pageUp, "0,0 2 7 0", 0},
        // Shift: eight cells, stopping at the edge, with the one wait.
        {6080, 0, ELEM_TERRAIN, 0, &EditorInput::right, "6112,0 0 0 0", 50, true},
        {6112, 0, ELEM_TERRAIN, 0, &EditorInput::right, "6112,0 0 0 0", 0, true},
        {320, 0, ELEM_TERRAIN, 0, &EditorInput::left, "64,0 0 0 0", 50, true},
        {0, 960, ELEM_TERRAIN, 0, &EditorInput::up, "0,704 0 0 0", 50, true},
        {0, 928, ELEM_TERRAIN, 0, &EditorInput::down, "0,960 0 0 0", 50, true},
    };
    for (const auto& c : cases)
    {
        EditorSession s = SessionAt(c.x, c.y, c.mode, c.type);
        EXPECT_EQ(FrameHolding(s, c.key, c.shift), c.wait) << "to " << c.want;
        EXPECT_EQ(Str(s), c.want) << "from " << c.x << "," << c.y << " type " << c.type;
    }
}

TEST_F(EditorTest, InsertTerrainReplacesWaterButKeepsTheCheeseOfTheCell)
{
    Load("Water\n2 27 0 0\nCheese\n64 96\nTerrain\n3 27 2 4\n");
    EditorSession s = SessionAt(64, 96, ELEM_TERRAIN, 3);
    FrameHolding(s, &EditorInput::insert);
    EXPECT_EQ(LevelFileText(), "Rat\n0 0\nCheese\n64 96\nTerrain\n3 27 2 4\nTerrain\n2 27 0 3\n");
}

TEST_F(EditorTest, DeleteRemovesOnlyTheModesElementsExactlyOnTheCursor)
{
    // At (64,64): two tiles, a cheese, one enemy of each kind; next to it a
    // tile, and elements a few pixels off the cell.
    const char* const level = "Terrain\n2 28 2 4\nWater\n2 28 0 0\nTerrain\n2 27 2 4\nCheese\n64 64\nCheese\n64 63\n"
                              "Burger\n64 64\nEel\n64 64\nScientist\n64 64\nBurger\n65 64\nEel\n64 70\n";
    const struct
    {
        ELEMENTS mode;
        size_t tiles, cheeses, guys;
    } cases[] = {{ELEM_CHEESE, 3, 1, 5}, {ELEM_TERRAIN, 1, 2, 5}, {ELEM_GUY, 3, 2, 2}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.mode);
        Load(level);
        EditorSession s = SessionAt(64, 64, c.mode);
        FrameHolding(s, &EditorInput::remove);
        EXPECT_EQ((std::vector<size_t>{c.tiles, c.cheeses, c.guys}),
                  (std::vector<size_t>{tile.size(), cheese.size(), guy.size()}));
    }
}

} // namespace
