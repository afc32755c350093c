#include <gtest/gtest.h>
#include <sstream>
#include "editor/editor.h"
#include "enemies/eel.h"
#include "tests/play/play_fixture.h"

using LevelFileTest = PlayTest;

// Everything a level puts in the world, as text.
static std::string World()
{
    std::ostringstream out;
    out << "Rat " << rat.GetXPos() << "," << rat.GetYPos();
    for (Guy* g : guy)
        out << " " << g->GetTag() << " " << g->GetXPos() << "," << g->GetYPos();
    for (Cheese* c : cheese)
        out << " Cheese " << c->GetXPos() << "," << c->GetYPos();
    for (Tile* t : tile)
        out << " " << t->GetTag() << " " << t->GetXPos() << "," << t->GetYPos() << " " << t->GetSolidity() << " "
            << t->GetTileType();
    return out.str();
}

static void Load(const std::string& text)
{
    WriteFile("level_under_test", text);
    LoadLevel("level_under_test");
}

// Each file is loaded over a level with the rat at 123,456, which the new
// level replaces entirely except for the rat when it has none. Whole: no
// record was refused and the load did not stop early.
TEST_F(LevelFileTest, FilesLoadIntoTheWorld)
{
    const std::string good = Rec("Cheese", 1, 2);
    struct Case
    {
        std::string text, world;
        bool whole = true;
    };
    const Case cases[] = {
        // Columns across, rows up from the bottom.
        {TileRec("Terrain", 0, 0, SOLID, 9) + TileRec("Terrain", 0, 30, SOLID, 9) + TileRec("Water", 191, 0, GHOST, 0) +
             TileRec("Terrain", 7, 12, PLATFORM, 17),
         "Rat 123,456 Terrain 0,960 2 9 Terrain 0,0 2 9 Water 6112,960 0 0 Terrain 224,576 1 17"},
        // Lines ended with CR LF, as written on other systems.
        {"Rat\r\n77 88\r\nCheese\r\n1 2\r\nTerrain\r\n12 3 2 7\r\nBurger\r\n5 6",
         "Rat 77,88 Burger 5,6 Cheese 1,2 Terrain 384,864 2 7"},
        // Numbers over several lines; no newline at the end.
        {"Rat\n77 88\nTerrain\n12\n\n  3\t2\n7", "Rat 77,88 Terrain 384,864 2 7"},
        // Tags match only a whole line; anything else is skipped with its
        // numbers, and the load is not whole.
        {"Rat \n500 600\n Cheese\n1 2\nGuy\n5 6\nCHEESE\n7 8\nCheese\r\r\n1 2\r\nTerrain2\n1 1 2 4\n" + good,
         "Rat 123,456 Cheese 1,2", false},
        // The last rat record wins.
        {Rec("Rat", 10, 20) + good + Rec("Rat", 300, 400), "Rat 300,400 Cheese 1,2"},
        // One character after the numbers is dropped, except after the rat's.
        {"Cheese\n1 2Cheese\n3 4\nRat\n5 6Cheese\n7 8\n", "Rat 5,6 Cheese 1,2 Cheese 7,8", false},
        // An unreadable number ends the load; what was read stays.
        {good + "Cheese\n3 x4\n" + Rec("Cheese", 5, 6) + Rec("Rat", 9, 9), "Rat 123,456 Cheese 1,2", false},
        {good + "Cheese\n99999999999 1\n" + Rec("Cheese", 5, 6), "Rat 123,456 Cheese 1,2", false},
        // Records cut short by the end of the file.
        {good + "Terrain\n1 2 2", "Rat 123,456 Cheese 1,2", false},
        {good + "Eel\n", "Rat 123,456 Cheese 1,2", false},
        {good + "Rat\n300", "Rat 123,456 Cheese 1,2", false},
        // Terrain types without a picture are refused; water keeps any type.
        {TileRec("Terrain", 1, 1, SOLID, 18) + TileRec("Terrain", 2, 1, SOLID, -1) + TileRec("Water", 3, 1, GHOST, 99) +
             good,
         "Rat 123,456 Cheese 1,2 Water 96,928 0 99", false},
        // Positions far outside the world.
        {Rec("Cheese", 40000, 0) + Rec("Burger", 0, -2147483647) + TileRec("Terrain", 100000000, 0, SOLID, 4) +
             TileRec("Terrain", 0, -2147483647, SOLID, 4) + Rec("Rat", 2000000000, 5) + Rec("Cheese", 6200, 1100),
         "Rat 123,456 Cheese 6200,1100", false},
        // An empty file.
        {"", "Rat 123,456"}};
    for (const Case& c : cases)
    {
        Load(Rec("Rat", 123, 456) + Rec("Cheese", 1, 1) + Rec("Burger", 5, 5) + Floor(0, 0, 2));
        WriteFile("level_under_test", c.text);
        EXPECT_EQ(LoadLevel("level_under_test").Whole(), c.whole) << c.text;
        EXPECT_EQ(c.world, World()) << c.text;
    }
    EXPECT_TRUE(LoadLevel("no_such_level_file").Whole());
    EXPECT_EQ("Rat 123,456", World());
}
