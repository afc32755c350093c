#include <sstream>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "tests/editor/editor_fixture.h"

namespace
{

// One frame per word: i Insert, x Delete, l r u d arrows, S Shift, h Home
// held; Z undo, Y redo, R the rat's start pressed; "." nothing.
EditorInput Frame(const std::string& word)
{
    EditorInput in;
    for (char c : word)
    {
        in.insert |= c == 'i';
        in.remove |= c == 'x';
        in.left |= c == 'l';
        in.right |= c == 'r';
        in.up |= c == 'u';
        in.down |= c == 'd';
        in.shift |= c == 'S';
        in.home |= c == 'h';
        in.press = c == 'Z'   ? EditorPress::Undo
                   : c == 'Y' ? EditorPress::Redo
                   : c == 'R' ? EditorPress::RatStart
                              : in.press;
    }
    return in;
}

void Play(EditorSession& s, const std::string& frames)
{
    std::istringstream words(frames);
    for (std::string w; words >> w;)
        EditorFrame(s, Frame(w));
}

std::string Cursor(const EditorSession& s)
{
    return std::to_string(s.cursor.GetXPos()) + "," + std::to_string(s.cursor.GetYPos());
}

// Terrain of type 0 is solid on top only: solidity 1.
const char* const SWEPT = "Terrain\n0 30 1 0\nTerrain\n1 30 1 0\nTerrain\n2 30 1 0\n";
const char* const LEVEL = "Rat\n0 0\nCheese\n32 0\nTerrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 5\n";

// A stroke is one step from pressing Insert or Delete to releasing both;
// undo and redo restore the lists exactly, order included, and bring the
// cursor to the cell the step began in.
TEST_F(EditorTest, UndoAndRedoTakeWholeStrokesAndRestoreTheListsExactly)
{
    const struct
    {
        const char* frames;
        const char* level; // after the frames, less the rat and cheese lines
        const char* cursor;
        size_t undos, redos;
    } cases[] = {
        // A held Insert sweeping right is one step, taken back whole.
        {"i ir ir .", SWEPT, "64,0", 1, 0},
        {"i ir ir . Z", "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 5\n", "0,0", 0, 1},
        {"i ir ir . Z Y", SWEPT, "0,0", 1, 0},
        // Held over the same cell, Insert replaces on every frame: still one step.
        {"i i i i . Z", "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 5\n", "0,0", 0, 1},
        // Two strokes are two steps; the undo shows the second one's cell.
        {"r x . r x . Z", "Water\n0 30 0 0\nTerrain\n2 30 1 5\n", "64,0", 1, 1},
        {"r x . r x . Z Z Y", "Water\n0 30 0 0\nTerrain\n2 30 1 5\n", "32,0", 1, 1},
        // A new step clears what could be redone.
        {"r x . Z rr i . Y", "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 0\n", "64,0", 1, 0},
        // A Delete that removed nothing, a mode change, a move: no step.
        {"d x . h . d . Z", "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 5\n", "0,64", 0, 0},
        // Undo while Insert is held ends the stroke first.
        {"rS i iZ . Z", "Terrain\n1 30 1 5\nWater\n0 30 0 0\nTerrain\n2 30 1 5\n", "256,0", 0, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.frames);
        Load(LEVEL);
        EditorSession s = SessionAt(0, 0, ELEM_TERRAIN);
        Play(s, c.frames);
        EXPECT_EQ(LevelFileText(), std::string("Rat\n0 0\nCheese\n32 0\n") + c.level);
        EXPECT_EQ(Cursor(s), c.cursor);
        EXPECT_EQ(TheEditHistory().UndoCount(), c.undos);
        EXPECT_EQ(TheEditHistory().RedoCount(), c.redos);
    }
}

// R stands the rat on the cursor cell's bottom edge and starts it there:
// a step of its own, undone like the others.
TEST_F(EditorTest, RatStartIsSetOnTheCursorCellAndUndone)
{
    const struct
    {
        const char* frames;
        const char* rat; // "x y startX startY"
    } cases[] = {
        {"d d R", "0 36 0 36"},
        {"d d R Z", "5 7 5 7"},
        {"d d R Z Y", "0 36 0 36"},
        {"R R", "0 -28 0 -28"},
        {"R d R Z", "0 -28 0 -28"},
        {"R Z Z", "5 7 5 7"},
        {"rS dS dS dS dS R", "256 932 256 932"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.frames);
        Load("Rat\n5 7\n");
        EditorSession s = SessionAt(0, 0, ELEM_TERRAIN);
        Play(s, c.frames);
        std::ostringstream rat;
        rat << ::rat.GetXPos() << " " << ::rat.GetYPos() << " " << ::rat.GetStartX() << " " << ::rat.GetStartY();
        EXPECT_EQ(rat.str(), c.rat);
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
    ASSERT_EQ(cheese.size(), EDIT_HISTORY_STEPS + 1);
    while (TheEditHistory().UndoCount() > 0)
        Play(s, "Z");
    EXPECT_EQ(LevelFileText(), "Rat\n0 0\nCheese\n0 0\n");
    EXPECT_EQ(TheEditHistory().RedoCount(), EDIT_HISTORY_STEPS);
    for (size_t i = 0; i <= EDIT_HISTORY_STEPS; ++i)
        Play(s, "Y");
    EXPECT_EQ(cheese.size(), EDIT_HISTORY_STEPS + 1);
}

} // namespace
