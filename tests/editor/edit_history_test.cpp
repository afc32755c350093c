#include "tests/editor/editor_fixture.h"

namespace
{

// A stroke is one step from pressing Insert or Delete to releasing both; a
// move of the rat's start is one too. Undo and redo restore the lists
// exactly, order included, and bring the cursor to the cell the step began
// in; a new step clears what could be redone.
TEST_F(EditorTest, UndoAndRedoTakeWholeStepsAndRestoreTheListsExactly)
{
    const std::string LOADED = "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 5\n";
    const std::string SWEPT = "Terrain\n0 30 1 0\nTerrain\n1 30 1 0\nTerrain\n2 30 1 0\n"; // type 0: solidity 1
    const std::string KEPT = "Water\n0 30 0 0\nTerrain\n2 30 1 5\n";
    const struct
    {
        const char* frames;
        std::string tiles;
        const char* cursor;
        size_t undos, redos;
        const char* rat = "0 0";
    } cases[] = {
        {"i ir ir .", SWEPT, "64,0", 1, 0}, // a held Insert sweeping right
        {"i ir ir . Z", LOADED, "0,0", 0, 1},
        {"i ir ir . Z Y", SWEPT, "0,0", 1, 0},
        {"i i i i . Z", LOADED, "0,0", 0, 1}, // replacing on every frame
        {"r x . r x . Z", KEPT, "64,0", 1, 1},
        {"r x . r x . Z Z Y", KEPT, "32,0", 1, 1},
        {"r x . Z r i . Y", "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 0\n", "64,0", 1, 0},
        {"d x . h . d . Z", LOADED, "0,64", 0, 0}, // nothing removed, a mode, a move: no step
        {"rS i iZ . Z", LOADED, "256,0", 0, 1},    // undo ends the stroke held
        {"d d R", LOADED, "0,64", 1, 0, "0 36"},   // the rat on the cell's bottom edge
        {"d d R Z", LOADED, "0,64", 0, 1},
        {"R d R Z Y", LOADED, "0,32", 2, 0, "0 4"},
        {"R R rS dS dS dS dS R", LOADED, "256,960", 2, 0, "256 932"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.frames);
        Load("Rat\n0 0\nCheese\n32 0\n" + LOADED);
        EditorSession s = SessionAt(0, 0, ELEM_TERRAIN);
        Play(s, c.frames);
        EXPECT_EQ(LevelFileText(), "Rat\n" + std::string(c.rat) + "\nCheese\n32 0\n" + c.tiles);
        EXPECT_EQ(std::to_string(s.cursor.GetXPos()) + "," + std::to_string(s.cursor.GetYPos()), c.cursor);
        EXPECT_TRUE(TheEditHistory().UndoCount() == c.undos && TheEditHistory().RedoCount() == c.redos);
        EXPECT_TRUE(rat.GetStartX() == rat.GetXPos() && rat.GetStartY() == rat.GetYPos());
    }
}

// The oldest steps beyond a thousand are forgotten; the rest all come back.
TEST_F(EditorTest, AThousandStepsAreKept)
{
    Load("Rat\n0 0\n");
    EditorSession s = SessionAt(0, 0, ELEM_CHEESE);
    for (int i = 0; i <= int(EDIT_HISTORY_STEPS); ++i)
    {
        s.cursor.SetBothPos(i % TILES_WIDE * TILE_WIDTH, i / TILES_WIDE * TILE_HEIGHT);
        Play(s, "i .");
    }
    while (TheEditHistory().UndoCount() > 0)
        Play(s, "Z");
    EXPECT_EQ(LevelFileText(), "Rat\n0 0\nCheese\n0 0\n");
    EXPECT_EQ(TheEditHistory().RedoCount(), EDIT_HISTORY_STEPS);
    for (size_t i = 0; i <= EDIT_HISTORY_STEPS; ++i)
        Play(s, "Y");
    EXPECT_EQ(cheese.size(), EDIT_HISTORY_STEPS + 1);
}

} // namespace
