#include "tests/editor/editor_fixture.h"
#include <sstream>
#include <vector>
#include "enemies/scientist.h"
#include "play/level_file.h"

namespace {

TEST_F(EditorTest, EmptyLevelSavesTheRatRecordAlone)
{
    rat.SetBothPos(120, 840);
    EXPECT_EQ(LevelFileText(), "Rat\n120 840\n");
}

TEST_F(EditorTest, RecordsComeRatEnemiesCheeseTilesEachInListOrder)
{
    rat.SetBothPos(-5, 7);
    AddTerrain(64, 960, 4, SOLID);
    AddWater(0, 0);
    AddCheese(33, 44);
    AddEel(300, 400);
    AddBurger(10, 20);
    Scientist* sci = new Scientist();
    sci->SetBothPos(5800, 700);
    guy.push_back(sci);
    AddCheese(1, 2);

    EXPECT_EQ(LevelFileText(), "Rat\n-5 7\n"
                               "Eel\n300 400\n"
                               "Burger\n10 20\n"
                               "Scientist\n5800 700\n"
                               "Cheese\n33 44\n"
                               "Cheese\n1 2\n"
                               "Terrain\n2 0 2 4\n"
                               "Water\n0 30 0 0\n");
}

struct CellCase
{
    int x, y;
    const char* numbers;
};

class TileCells : public EditorTest, public ::testing::WithParamInterface<CellCase>
{
};

TEST_P(TileCells, AreCountedFromTheBottomRow)
{
    AddTerrain(GetParam().x, GetParam().y, 9, PLATFORM);
    rat.SetBothPos(0, 0);
    EXPECT_EQ(LevelFileText(), std::string("Rat\n0 0\nTerrain\n") + GetParam().numbers + "\n");
}

INSTANTIATE_TEST_SUITE_P(Corners, TileCells,
                         ::testing::Values(CellCase{64, 960, "2 0 1 9"}, CellCase{0, 0, "0 30 1 9"},
                                           CellCase{6112, 0, "191 30 1 9"},
                                           CellCase{6112, 960, "191 0 1 9"},
                                           // from a file row above the top of the level
                                           CellCase{32, -32, "1 31 1 9"}));

struct PlacedCase
{
    int type;
    int solidity;
};

class PlacedTerrain : public EditorTest, public ::testing::WithParamInterface<PlacedCase>
{
};

TEST_P(PlacedTerrain, SavesTheSolidityOfItsType)
{
    EditorSession s = SessionAt(0, 960, ELEM_TERRAIN);
    s.tileIndex = GetParam().type;
    FrameHolding(s, SDLK_INSERT);
    rat.SetBothPos(0, 0);
    std::string want = "Rat\n0 0\nTerrain\n0 0 " + std::to_string(GetParam().solidity) + " " +
                       std::to_string(GetParam().type) + "\n";
    EXPECT_EQ(LevelFileText(), want);
}

INSTANTIATE_TEST_SUITE_P(Types, PlacedTerrain,
                         ::testing::Values(PlacedCase{3, GHOST}, PlacedCase{17, SOLID}));

TEST_F(EditorTest, SaveEditWritesTheTextToLevelmap0AndWaits)
{
    AddCheese(32, 32);
    rat.SetBothPos(40, 50);
    Uint32 before = Now();
    ASSERT_TRUE(SaveEdit());
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n40 50\nCheese\n32 32\n");
    EXPECT_EQ(Now() - before, 200u);
    EXPECT_FALSE(FileExists(SafeTempName(EDITOR_LEVEL_FILE)));
}

TEST_F(EditorTest, SaveReplacesTheWholeOldFile)
{
    WriteFile(EDITOR_LEVEL_FILE, std::string(5000, 'x'));
    rat.SetBothPos(1, 2);
    ASSERT_TRUE(SaveEdit());
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), "Rat\n1 2\n");
}

// What a list holds, in order, as the file can keep it.
std::vector<std::string> Describe()
{
    std::vector<std::string> out;
    for (Guy* g : guy)
        out.push_back(g->GetTag() + " " + std::to_string(g->GetXPos()) + " " + std::to_string(g->GetYPos()));
    for (Cheese* c : cheese)
        out.push_back("Cheese " + std::to_string(c->GetXPos()) + " " + std::to_string(c->GetYPos()));
    for (Tile* t : tile)
        out.push_back(t->GetTag() + " " + std::to_string(t->GetXPos()) + " " + std::to_string(t->GetYPos()) +
                      " " + std::to_string(t->GetSolidity()) + " " + std::to_string(t->GetTileType()));
    return out;
}

TEST_F(EditorTest, ASavedLevelLoadsBackAsTheSameLists)
{
    // Built the way a player builds it: through the editor's own keys.
    EditorSession s = SessionAt(0, 960, ELEM_TERRAIN);
    for (int type : {0, 3, 17, 8})
    {
        s.tileIndex = type;
        FrameHolding(s, SDLK_INSERT);
        FrameHolding(s, SDLK_RIGHT);
    }
    s.mode = ELEM_WATER;
    FrameHolding(s, SDLK_INSERT);
    FrameHolding(s, SDLK_UP);
    s.mode = ELEM_CHEESE;
    FrameHolding(s, SDLK_INSERT);
    s.mode = ELEM_GUY;
    FrameHolding(s, SDLK_INSERT);
    FrameHolding(s, SDLK_UP);
    s.guyKind = GUY_EEL;
    FrameHolding(s, SDLK_INSERT);
    AddCheese(13, 17); // off the grid, as a file may hold it
    rat.SetBothPos(100, 860);

    std::vector<std::string> before = Describe();
    ASSERT_TRUE(SaveEdit());
    std::string saved = ReadFile(EDITOR_LEVEL_FILE);
    ClearWorld();
    rat.SetBothPos(0, 0);

    LoadLevel(EDITOR_LEVEL_FILE);
    EXPECT_EQ(Describe(), before);
    EXPECT_EQ(rat.GetXPos(), 100);
    EXPECT_EQ(rat.GetYPos(), 860);
    EXPECT_EQ(LevelFileText(), saved);
}

TEST_F(EditorTest, EveryLineOfASaveEndsInANewline)
{
    AddBurger(1, 1);
    AddTerrain(0, 0);
    ASSERT_TRUE(SaveEdit());
    std::string text = ReadFile(EDITOR_LEVEL_FILE);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
        ++count;
    EXPECT_EQ(count, 6);
}

} // namespace
