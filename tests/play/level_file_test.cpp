#include <gtest/gtest.h>
#include <sstream>
#include "editor/editor.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/scientist.h"
#include "tests/play/play_fixture.h"

using LevelFileTest = PlayTest;

// Everything a level puts in the world, as text, to compare two loads.
static std::string WorldSummary()
{
    std::ostringstream out;
    out << "rat " << rat.GetXPos() << "," << rat.GetYPos() << "\n";
    for (Guy* g : guy)
        out << g->GetTag() << " " << g->GetXPos() << "," << g->GetYPos() << "\n";
    for (Cheese* c : cheese)
        out << "Cheese " << c->GetXPos() << "," << c->GetYPos() << "\n";
    for (Tile* t : tile)
        out << t->GetTag() << " " << t->GetXPos() << "," << t->GetYPos() << " " << t->GetSolidity() << " "
            << t->GetTileType() << "\n";
    return out.str();
}

static void Load(const std::string& text)
{
    WriteFile("level_under_test", text);
    LoadLevel("level_under_test");
}

TEST_F(LevelFileTest, SlotNamesAreTheThreeLevelFiles)
{
    EXPECT_EQ("levelmap0", LevelFileName(0));
    EXPECT_EQ("levelmap1", LevelFileName(1));
    EXPECT_EQ("levelmap2", LevelFileName(2));
}

TEST_F(LevelFileTest, RowsCountUpFromTheBottomAndColumnsAcross)
{
    struct Case
    {
        int column, row, x, y;
    } cases[] = {{0, 0, 0, 960}, {0, 30, 0, 0}, {191, 0, 6112, 960}, {7, 12, 224, 576}};
    for (const Case& c : cases)
    {
        Load(TileRec("Terrain", c.column, c.row, SOLID, 9));
        ASSERT_EQ(1u, tile.size()) << c.column << " " << c.row;
        EXPECT_EQ(c.x, tile[0]->GetXPos()) << c.column << " " << c.row;
        EXPECT_EQ(c.y, tile[0]->GetYPos()) << c.column << " " << c.row;
        SDL_Rect box = tile[0]->GetCollisionBoxes().at(0);
        EXPECT_EQ(c.x, box.x);
        EXPECT_EQ(c.y, box.y);
    }
}

TEST_F(LevelFileTest, TilesKeepTheSolidityAndTypeOfTheFile)
{
    // Type 4 is solid by default; the file's own code wins.
    Load(TileRec("Terrain", 1, 1, GHOST, 4) + TileRec("Water", 2, 1, PLATFORM, 3));
    ASSERT_EQ(2u, tile.size());
    EXPECT_EQ("Terrain", tile[0]->GetTag());
    EXPECT_EQ(GHOST, tile[0]->GetSolidity());
    EXPECT_EQ(4, tile[0]->GetTileType());
    EXPECT_EQ("Water", tile[1]->GetTag());
    EXPECT_EQ(PLATFORM, tile[1]->GetSolidity());
    EXPECT_EQ(3, tile[1]->GetTileType());
}

TEST_F(LevelFileTest, EachKindIsSetUpAsTheGamePlaysIt)
{
    Load(Rec("Burger", 100, 200) + Rec("Eel", 300, 600) + Rec("Scientist", 5800, 500) + Rec("Cheese", 64, 96) +
         Rec("Rat", 50, 700));
    ASSERT_EQ(3u, guy.size());
    EXPECT_EQ("Burger", guy[0]->GetTag());
    EXPECT_EQ(BURGER_WIDTH, guy[0]->GetXSize());
    EXPECT_EQ(BURGER_HEIGHT, guy[0]->GetYSize());
    EXPECT_EQ(-3, guy[0]->GetXVel());
    EXPECT_EQ(0, guy[0]->GetYVel());

    Eel* eel = dynamic_cast<Eel*>(guy[1]);
    ASSERT_NE(nullptr, eel);
    EXPECT_EQ(600, eel->GetUpTo());
    EXPECT_EQ(1192, eel->GetDownTo());
    EXPECT_EQ(12, eel->GetYVel());
    EXPECT_EQ(EEL_WIDTH, eel->GetXSize());
    EXPECT_EQ(EEL_HEIGHT, eel->GetYSize());

    EXPECT_EQ("Scientist", guy[2]->GetTag());
    EXPECT_EQ(SCIENTIST_WIDTH, guy[2]->GetXSize());
    EXPECT_EQ(5800, guy[2]->GetXPos());

    ASSERT_EQ(1u, cheese.size());
    EXPECT_EQ(64, cheese[0]->GetXPos());
    EXPECT_EQ(96, cheese[0]->GetYPos());

    EXPECT_EQ(50, rat.GetXPos());
    EXPECT_EQ(700, rat.GetYPos());
    EXPECT_EQ(50, rat.GetStartX());
    EXPECT_EQ(700, rat.GetStartY());
    EXPECT_EQ(RAT_WIDTH, rat.GetXSize());
    EXPECT_EQ(rat_ss, rat.GetSpriteSheet());
    EXPECT_EQ(&ratClips, rat.GetClips());
}

TEST_F(LevelFileTest, RatRecordStopsTheRatAndMovesItsBoxes)
{
    rat.SetBothVel(5, -7);
    Load(Rec("Rat", 1000, 300));
    EXPECT_EQ(0, rat.GetXVel());
    EXPECT_EQ(0, rat.GetYVel());
    EXPECT_EQ(1000 + 10, rat.GetCollisionBoxes().at(RAT_BOX_FEET).x);
}

TEST_F(LevelFileTest, NumbersMaySpreadOverSeveralLines)
{
    Load(TileRec("Terrain", 12, 3, SOLID, 7));
    std::string oneLine = WorldSummary();
    Load("Terrain\n12\n\n  3\t2\n7\n");
    EXPECT_EQ(oneLine, WorldSummary());
    ASSERT_EQ(1u, tile.size());
}

TEST_F(LevelFileTest, TagsMatchOnlyTheWholeLine)
{
    Load(Rec("Rat", 10, 20));
    // Each of these records and its number line are skipped.
    Load("Rat \n500 600\n Cheese\n1 2\nrat\n3 4\nGuy\n5 6\nCHEESE\n7 8\n\nTerrain2\n1 1 2 4\n" + Rec("Cheese", 9, 10));
    EXPECT_EQ(10, rat.GetXPos());
    EXPECT_EQ(20, rat.GetYPos());
    ASSERT_EQ(1u, cheese.size());
    EXPECT_EQ(9, cheese[0]->GetXPos());
    EXPECT_TRUE(guy.empty());
    EXPECT_TRUE(tile.empty());
}

TEST_F(LevelFileTest, WindowsLineEndsMatchNoTag)
{
    Load("Cheese\r\n1 2\r\nTerrain\r\n1 1 2 4\r\n");
    EXPECT_TRUE(cheese.empty());
    EXPECT_TRUE(tile.empty());
}

TEST_F(LevelFileTest, OneCharacterIsDroppedAfterTheNumbersOfAllButTheRat)
{
    // Numbers run straight into the next tag: the dropped character is
    // then the tag's first letter.
    Load("Cheese\n1 2Cheese\n3 4\n");
    EXPECT_EQ(1u, cheese.size());
    Load("Rat\n1 2Cheese\n3 4\n");
    ASSERT_EQ(1u, cheese.size());
    EXPECT_EQ(3, cheese[0]->GetXPos());
}

TEST_F(LevelFileTest, TheLastRatRecordWins)
{
    Load(Rec("Rat", 10, 20) + Rec("Cheese", 1, 1) + Rec("Rat", 300, 400));
    EXPECT_EQ(300, rat.GetXPos());
    EXPECT_EQ(400, rat.GetStartY());
    EXPECT_EQ(1u, cheese.size());
}

TEST_F(LevelFileTest, RecordOrderDoesNotMatter)
{
    std::string ratRec = Rec("Rat", 40, 700);
    std::string enemies = Rec("Burger", 400, 700) + Rec("Eel", 900, 500);
    std::string cheeses = Rec("Cheese", 128, 640) + Rec("Cheese", 160, 640);
    std::string tiles = Floor(FLOOR_ROW, 0, 3) + TileRec("Water", 4, FLOOR_ROW, GHOST, 0);
    Load(ratRec + enemies + cheeses + tiles);
    std::string editorOrder = WorldSummary();
    Load(tiles + cheeses + enemies + ratRec);
    EXPECT_EQ(editorOrder, WorldSummary());
    Load(cheeses + ratRec + tiles + enemies);
    EXPECT_EQ(editorOrder, WorldSummary());
}

TEST_F(LevelFileTest, LastRecordNeedsNoNewline)
{
    Load("Cheese\n1 2\nTerrain\n3 4 2 5");
    ASSERT_EQ(1u, tile.size());
    EXPECT_EQ(5, tile[0]->GetTileType());
    Load("Rat\n77 88");
    EXPECT_EQ(77, rat.GetXPos());
}

TEST_F(LevelFileTest, UnreadableNumberEndsTheLoadKeepingWhatCameBefore)
{
    Load(Rec("Cheese", 1, 2) + "Cheese\n3 x4\n" + Rec("Cheese", 5, 6) + Rec("Rat", 9, 9));
    ASSERT_EQ(1u, cheese.size());
    EXPECT_EQ(1, cheese[0]->GetXPos());
    EXPECT_NE(9, rat.GetXPos());

    // A number too big for an int cannot be read either.
    Load(Rec("Cheese", 1, 2) + "Cheese\n99999999999 1\n" + Rec("Cheese", 5, 6));
    EXPECT_EQ(1u, cheese.size());
}

TEST_F(LevelFileTest, TerrainTypesWithoutAPictureAreRefused)
{
    Load(TileRec("Terrain", 1, 1, SOLID, 18) + TileRec("Terrain", 2, 1, SOLID, -1) +
         TileRec("Terrain", 3, 1, SOLID, 17) + TileRec("Terrain", 4, 1, SOLID, 0));
    ASSERT_EQ(2u, tile.size());
    EXPECT_EQ(17, tile[0]->GetTileType());
    EXPECT_EQ(0, tile[1]->GetTileType());
}

TEST_F(LevelFileTest, PositionsFarOutsideTheLevelAreRefused)
{
    Load(Rec("Cheese", 40000, 0) + Rec("Burger", 0, -2147483647) + TileRec("Terrain", 100000000, 0, SOLID, 4) +
         TileRec("Terrain", 0, -2147483647, SOLID, 4) + Rec("Rat", 2000000000, 5) + Rec("Cheese", 6200, 1100));
    EXPECT_TRUE(tile.empty());
    EXPECT_TRUE(guy.empty());
    ASSERT_EQ(1u, cheese.size());
    EXPECT_EQ(6200, cheese[0]->GetXPos());
    EXPECT_NE(2000000000, rat.GetXPos());
}

TEST_F(LevelFileTest, RecordCutShortMakesNothing)
{
    const char* files[] = {"Terrain\n1 2 2", "Terrain\n", "Terrain", "Cheese\n5", "Eel\n", "Water\n1 2 0\n"};
    for (const char* text : files)
    {
        Load(std::string(Rec("Cheese", 1, 1)) + text);
        EXPECT_TRUE(tile.empty()) << text;
        EXPECT_TRUE(guy.empty()) << text;
        EXPECT_EQ(1u, cheese.size()) << text;
    }
    Load(Rec("Rat", 10, 20));
    Load("Rat\n300");
    EXPECT_EQ(10, rat.GetXPos());
}

TEST_F(LevelFileTest, EmptyOrMissingFileGivesAnEmptyLevelAndLeavesTheRat)
{
    Load(Rec("Rat", 123, 456) + Rec("Cheese", 1, 1) + Rec("Burger", 5, 5) + Floor(0, 0, 2));
    Load("");
    EXPECT_TRUE(tile.empty());
    EXPECT_TRUE(guy.empty());
    EXPECT_TRUE(cheese.empty());
    EXPECT_EQ(123, rat.GetXPos());
    EXPECT_EQ(456, rat.GetStartY());

    Load(Rec("Cheese", 1, 1));
    LoadLevel("no_such_level_file");
    EXPECT_TRUE(cheese.empty());
    EXPECT_EQ(123, rat.GetXPos());
}

TEST_F(LevelFileTest, ASavedLevelLoadsBackToTheSameLists)
{
    // Exactly what the editor writes: rat, enemies, cheese, tiles.
    const std::string saved = Rec("Rat", 64, 740) + Rec("Burger", 400, 750) + Rec("Eel", 900, 512) +
                              Rec("Scientist", 5800, 620) + Rec("Cheese", 128, 700) + Rec("Cheese", 3, 5) +
                              TileRec("Terrain", 0, 0, SOLID, 4) + TileRec("Water", 191, 30, GHOST, 0) +
                              TileRec("Terrain", 5, 5, PLATFORM, 16);
    Load(saved);
    EXPECT_EQ(3u, guy.size());
    EXPECT_EQ(2u, cheese.size());
    EXPECT_EQ(3u, tile.size());
    ASSERT_TRUE(SaveEdit());
    EXPECT_EQ(saved, ReadFile("levelmap0"));
}

TEST_F(LevelFileTest, LoadingReplacesThePreviousLevel)
{
    Load(Rec("Cheese", 1, 1) + Rec("Cheese", 2, 2) + Rec("Burger", 5, 5) + Floor(0, 0, 4));
    Load(Rec("Eel", 7, 7));
    EXPECT_TRUE(cheese.empty());
    EXPECT_TRUE(tile.empty());
    ASSERT_EQ(1u, guy.size());
    EXPECT_EQ("Eel", guy[0]->GetTag());
}
