#include "tests/editor/editor_fixture.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "enemies/scientist.h"

namespace {

struct CursorCase
{
    const char* name;
    int x, y;
    SDLKey key;
    int wantX, wantY;
    Uint32 wantWaitMs;
};

const CursorCase cursorCases[] = {
    {"left at left edge", 0, 480, SDLK_LEFT, 0, 480, 0},
    {"up at top edge", 320, 0, SDLK_UP, 320, 0, 0},
    {"right at right edge", 6112, 480, SDLK_RIGHT, 6112, 480, 0},
    {"down at bottom edge", 320, 960, SDLK_DOWN, 320, 960, 0},
    {"left inside", 32, 480, SDLK_LEFT, 0, 480, 50},
    {"up inside", 320, 32, SDLK_UP, 320, 0, 50},
    {"right onto last column", 6080, 480, SDLK_RIGHT, 6112, 480, 50},
    {"down onto bottom row", 320, 928, SDLK_DOWN, 320, 960, 50},
};

void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.name; }

class CursorMoves : public EditorTest, public ::testing::WithParamInterface<CursorCase>
{
};

TEST_P(CursorMoves, StaysOnTheGridAndWaitsOnlyWhenItMoved)
{
    const CursorCase& c = GetParam();
    EditorSession s = SessionAt(c.x, c.y, ELEM_TERRAIN);
    Uint32 before = Now();
    FrameHolding(s, c.key);
    EXPECT_EQ(s.cursor.GetXPos(), c.wantX);
    EXPECT_EQ(s.cursor.GetYPos(), c.wantY);
    EXPECT_EQ(Now() - before, c.wantWaitMs);
}

INSTANTIATE_TEST_SUITE_P(Edges, CursorMoves, ::testing::ValuesIn(cursorCases),
                         [](const ::testing::TestParamInfo<CursorCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == ' ')
                                     ch = '_';
                             return name;
                         });

TEST_F(EditorTest, SessionStartsAtTopLeftInTerrainModeWithTypeZeroAndBurger)
{
    EditorSession s;
    EXPECT_EQ(s.cursor.GetXPos(), 0);
    EXPECT_EQ(s.cursor.GetYPos(), 0);
    EXPECT_EQ(s.cursor.GetXSize(), 32);
    EXPECT_EQ(s.cursor.GetYSize(), 32);
    EXPECT_EQ(s.mode, ELEM_TERRAIN);
    EXPECT_EQ(s.tileIndex, 0);
    EXPECT_EQ(s.guyKind, GUY_BURGER);
}

TEST_F(EditorTest, TwoHeldArrowsMoveDiagonallyAndPayForEachStep)
{
    EditorSession s = SessionAt(64, 64, ELEM_TERRAIN);
    Uint32 before = Now();
    HoldKey(SDLK_RIGHT);
    HoldKey(SDLK_DOWN);
    EditorFrame(s);
    EXPECT_EQ(s.cursor.GetXPos(), 96);
    EXPECT_EQ(s.cursor.GetYPos(), 96);
    EXPECT_EQ(Now() - before, 100u);
}

TEST_F(EditorTest, HeldArrowWalksTheWholeRowAndStopsAtTheLastCell)
{
    EditorSession s;
    HoldKey(SDLK_RIGHT);
    for (int frame = 0; frame < 200; ++frame)
        EditorFrame(s);
    EXPECT_EQ(s.cursor.GetXPos(), 6112);
}

TEST_F(EditorTest, HomeCyclesThroughTheFourModesBackToTerrain)
{
    EditorSession s;
    const ELEMENTS expected[] = {ELEM_WATER, ELEM_CHEESE, ELEM_GUY, ELEM_TERRAIN};
    for (ELEMENTS want : expected)
    {
        Uint32 before = Now();
        FrameHolding(s, SDLK_HOME);
        EXPECT_EQ(s.mode, want);
        EXPECT_EQ(Now() - before, 90u);
    }
}

struct TypeCase
{
    ELEMENTS mode;
    int start;
    SDLKey key;
    int want;
};

class TerrainTypeSelection : public EditorTest, public ::testing::WithParamInterface<TypeCase>
{
};

TEST_P(TerrainTypeSelection, WrapsAtBothEndsWithAWait)
{
    const TypeCase& c = GetParam();
    EditorSession s = SessionAt(0, 0, c.mode);
    s.tileIndex = c.start;
    Uint32 before = Now();
    FrameHolding(s, c.key);
    EXPECT_EQ(s.tileIndex, c.want);
    EXPECT_EQ(Now() - before, 90u);
}

INSTANTIATE_TEST_SUITE_P(PageKeys, TerrainTypeSelection,
                         ::testing::Values(TypeCase{ELEM_TERRAIN, 0, SDLK_PAGEDOWN, 17},
                                           TypeCase{ELEM_TERRAIN, 17, SDLK_PAGEUP, 0},
                                           TypeCase{ELEM_TERRAIN, 5, SDLK_PAGEUP, 6},
                                           TypeCase{ELEM_TERRAIN, 5, SDLK_PAGEDOWN, 4},
                                           TypeCase{ELEM_WATER, 0, SDLK_PAGEDOWN, 17}));

TEST_F(EditorTest, PageKeysInEnemyModeSwitchTheKindNotTheTerrainType)
{
    EditorSession s = SessionAt(0, 0, ELEM_GUY);
    s.tileIndex = 7;
    FrameHolding(s, SDLK_PAGEUP);
    EXPECT_EQ(s.guyKind, GUY_EEL);
    FrameHolding(s, SDLK_PAGEDOWN);
    EXPECT_EQ(s.guyKind, GUY_BURGER);
    EXPECT_EQ(s.tileIndex, 7);
}

TEST_F(EditorTest, PageKeysInCheeseModeChangeNothing)
{
    EditorSession s = SessionAt(0, 0, ELEM_CHEESE);
    Uint32 before = Now();
    FrameHolding(s, SDLK_PAGEUP);
    EXPECT_EQ(s.tileIndex, 0);
    EXPECT_EQ(s.guyKind, GUY_BURGER);
    EXPECT_EQ(Now(), before);
}

// ---- Insert and Delete ----

TEST_F(EditorTest, InsertTerrainReplacesWaterButKeepsTheCheeseOfTheCell)
{
    AddWater(64, 96);
    AddCheese(64, 96);
    AddTerrain(96, 96);
    EditorSession s = SessionAt(64, 96, ELEM_TERRAIN);
    s.tileIndex = 3;
    FrameHolding(s, SDLK_INSERT);

    ASSERT_EQ(tile.size(), 2u);
    EXPECT_EQ(tile[0]->GetXPos(), 96); // the neighbour keeps its place in the list
    Tile* placed = tile[1];
    EXPECT_EQ(placed->GetTag(), "Terrain");
    EXPECT_EQ(placed->GetXPos(), 64);
    EXPECT_EQ(placed->GetYPos(), 96);
    EXPECT_EQ(placed->GetTileType(), 3);
    EXPECT_EQ(cheese.size(), 1u);
}

TEST_F(EditorTest, InsertHeldForManyFramesKeepsOneElementPerCell)
{
    const ELEMENTS modes[] = {ELEM_TERRAIN, ELEM_WATER, ELEM_CHEESE, ELEM_GUY};
    for (ELEMENTS mode : modes)
    {
        EditorSession s = SessionAt(128, 128, mode);
        HoldKey(SDLK_INSERT);
        for (int frame = 0; frame < 5; ++frame)
            EditorFrame(s);
        ReleaseAllKeys();
    }
    EXPECT_EQ(tile.size(), 1u); // water replaced the terrain, same list
    EXPECT_EQ(tile[0]->GetTag(), "Water");
    EXPECT_EQ(cheese.size(), 1u);
    EXPECT_EQ(guy.size(), 1u);
}

TEST_F(EditorTest, InsertedWaterIsAGhostOfTypeZeroWhateverTypeIsSelected)
{
    EditorSession s = SessionAt(0, 960, ELEM_WATER);
    s.tileIndex = 12;
    FrameHolding(s, SDLK_INSERT);
    ASSERT_EQ(tile.size(), 1u);
    EXPECT_EQ(tile[0]->GetTag(), "Water");
    EXPECT_EQ(tile[0]->GetSolidity(), GHOST);
    EXPECT_EQ(tile[0]->GetTileType(), 0);
}

TEST_F(EditorTest, InsertInEnemyModePlacesTheSelectedKindReplacingTheOldOne)
{
    AddBurger(32, 64);
    EditorSession s = SessionAt(32, 64, ELEM_GUY);
    s.guyKind = GUY_EEL;
    FrameHolding(s, SDLK_INSERT);
    ASSERT_EQ(guy.size(), 1u);
    EXPECT_EQ(guy[0]->GetTag(), "Eel");
    EXPECT_EQ(guy[0]->GetXPos(), 32);
    EXPECT_EQ(guy[0]->GetYPos(), 64);
}

TEST_F(EditorTest, DeleteInCheeseModeLeavesTileAndEnemy)
{
    AddTerrain(160, 320);
    AddCheese(160, 320);
    AddBurger(160, 320);
    EditorSession s = SessionAt(160, 320, ELEM_CHEESE);
    FrameHolding(s, SDLK_DELETE);
    EXPECT_TRUE(cheese.empty());
    EXPECT_EQ(tile.size(), 1u);
    EXPECT_EQ(guy.size(), 1u);
}

TEST_F(EditorTest, OneDeleteRemovesEveryTileOfTheCellAndNoOther)
{
    AddTerrain(64, 64);
    AddWater(64, 64);
    AddTerrain(64, 96);
    EditorSession s = SessionAt(64, 64, ELEM_WATER);
    FrameHolding(s, SDLK_DELETE);
    ASSERT_EQ(tile.size(), 1u);
    EXPECT_EQ(tile[0]->GetYPos(), 96);
}

TEST_F(EditorTest, DeleteInEnemyModeRemovesEveryKindInTheCellScientistsToo)
{
    AddBurger(0, 0);
    AddEel(0, 0);
    Scientist* sci = new Scientist();
    sci->SetBothPos(0, 0);
    guy.push_back(sci);
    AddBurger(32, 0);
    EditorSession s = SessionAt(0, 0, ELEM_GUY);
    FrameHolding(s, SDLK_DELETE);
    ASSERT_EQ(guy.size(), 1u);
    EXPECT_EQ(guy[0]->GetXPos(), 32);
}

TEST_F(EditorTest, ElementsOffTheGridAreNeverRemoved)
{
    AddBurger(65, 64);
    AddEel(64, 70);
    AddCheese(64, 63);
    EditorSession s = SessionAt(64, 64, ELEM_GUY);
    FrameHolding(s, SDLK_DELETE);
    s.mode = ELEM_CHEESE;
    FrameHolding(s, SDLK_DELETE);
    EXPECT_EQ(guy.size(), 2u);
    EXPECT_EQ(cheese.size(), 1u);
}

TEST_F(EditorTest, DeleteOnAnEmptyCellChangesNothing)
{
    AddTerrain(0, 0);
    EditorSession s = SessionAt(32, 0, ELEM_TERRAIN);
    FrameHolding(s, SDLK_DELETE);
    EXPECT_EQ(tile.size(), 1u);
}

// ---- Camera and events ----

TEST_F(EditorTest, CameraFollowsTheCursorAndStopsAtTheLevelCorner)
{
    EditorSession s = SessionAt(6080, 928, ELEM_TERRAIN);
    HoldKey(SDLK_RIGHT);
    HoldKey(SDLK_DOWN);
    EditorFrame(s);
    EXPECT_EQ(camera.GetXPos(), LEVEL_WIDTH - EDITOR_PANEL_X);
    EXPECT_EQ(camera.GetYPos(), LEVEL_HEIGHT - SCREEN_HEIGHT);

    EditorSession fresh;
    ReleaseAllKeys();
    EditorFrame(fresh);
    EXPECT_EQ(camera.GetXPos(), 0);
    EXPECT_EQ(camera.GetYPos(), 0);
}

static void BottomState() {}

struct EventCase
{
    const char* name;
    void (*push)();
    StateFunction wantTop;
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.name; }

class EditorEvents : public EditorTest, public ::testing::WithParamInterface<EventCase>
{
};

TEST_P(EditorEvents, PushTheRightStateAndStillRunTheFrame)
{
    PushState(BottomState);
    PushState(EditorState);
    GetParam().push();
    EditorSession s = SessionAt(0, 0, ELEM_CHEESE);
    HoldKey(SDLK_INSERT);
    EditorFrame(s);
    EXPECT_TRUE(IsTopState(GetParam().wantTop));
    EXPECT_EQ(cheese.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditorEvents,
    ::testing::Values(EventCase{"Escape", [] { PushKeyPress(SDLK_ESCAPE); }, QuitEditorState},
                      EventCase{"P", [] { PushKeyPress(SDLK_p); }, QuitEditorState},
                      EventCase{"WindowClose", [] { PushQuitEvent(); }, QuitToDosState},
                      EventCase{"OtherKey", [] { PushKeyPress(SDLK_a); }, EditorState}),
    [](const ::testing::TestParamInfo<EventCase>& info) { return std::string(info.param.name); });

TEST_F(EditorTest, OnlyOneEventIsTakenPerFrame)
{
    PushState(EditorState);
    PushKeyPress(SDLK_a);
    PushKeyPress(SDLK_ESCAPE);
    EditorSession s;
    EditorFrame(s); // key down of a
    EditorFrame(s); // key up of a
    EXPECT_TRUE(IsTopState(EditorState));
    EditorFrame(s);
    EXPECT_TRUE(IsTopState(QuitEditorState));
    EXPECT_EQ(StateStack.size(), 2u);
}

} // namespace
