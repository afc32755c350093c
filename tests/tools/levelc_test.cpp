#include <gtest/gtest.h>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>
#include "tests/support/test_env.h"
#include "tools/levelc/level_map.h"
#include "world/tiles.h"

using levelc::CompiledLevel;
using levelc::CompileLevelMap;

namespace
{

const char* LEGEND =
    "# a test level\n"
    "legend . empty\n"
    "legend = terrain 5\n"
    "legend _ terrain 16\n"
    "legend p terrain 3\n"
    "legend X terrain 1 2\n"
    "legend ~ water\n"
    "legend w water 1 7\n"
    "legend c cheese\n"
    "legend b burger\n"
    "legend e eel\n"
    "legend S scientist\n"
    "legend R rat\n";

struct Cell
{
    int column;
    int mapRow; // 0 is the top row of the world
    char c;
};

std::vector<std::string> EmptyRows() { return std::vector<std::string>(31, std::string(192, '.')); }

std::string Source(std::vector<std::string> rows, const std::vector<Cell>& cells,
                   const std::string& legend = LEGEND)
{
    for (const Cell& cell : cells)
        rows[cell.mapRow][cell.column] = cell.c;
    std::string text = legend + "map\n";
    for (const auto& row : rows)
        text += row + "\n";
    return text;
}

// A level holding only the rat and the given cells.
std::string Source(const std::vector<Cell>& cells)
{
    std::vector<Cell> all = cells;
    all.push_back({100, 10, 'R'});
    return Source(EmptyRows(), all);
}

CompiledLevel Compile(const std::string& source)
{
    CompiledLevel level;
    std::string error;
    EXPECT_TRUE(CompileLevelMap(source, level, error)) << error;
    return level;
}

std::string CompileError(const std::string& source)
{
    CompiledLevel level;
    std::string error;
    EXPECT_FALSE(CompileLevelMap(source, level, error));
    return error;
}

} // namespace

TEST(LevelcTiles, LegendCharactersBecomeTileRecordsCountedUpFromTheBottom)
{
    CompiledLevel level = Compile(Source({{0, 30, '='}, {1, 30, '_'}, {2, 30, 'p'}, {3, 30, 'X'},
                                          {4, 30, '~'}, {5, 30, 'w'}, {7, 0, '='}, {191, 15, '='}}));
    struct Expected { const char* tag; int column, row, solidity, type; };
    const Expected expected[] = {{"Terrain", 7, 30, 2, 5}, {"Terrain", 191, 15, 2, 5}, {"Terrain", 0, 0, 2, 5},
                                 {"Terrain", 1, 0, 1, 16}, {"Terrain", 2, 0, 0, 3},    {"Terrain", 3, 0, 2, 1},
                                 {"Water", 4, 0, 0, 0},    {"Water", 5, 0, 1, 7}};
    ASSERT_EQ(level.tiles.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i)
    {
        SCOPED_TRACE(i);
        const auto& t = level.tiles[i];
        EXPECT_EQ(t.tag, expected[i].tag);
        EXPECT_EQ((std::vector<int>{t.column, t.row, t.solidity, t.type}),
                  (std::vector<int>{expected[i].column, expected[i].row, expected[i].solidity, expected[i].type}));
    }
}

TEST(LevelcTiles, DefaultSolidityFollowsTheGamesTable)
{
    for (int type = 0; type < TERRAIN_TILES; ++type)
        EXPECT_EQ(levelc::DEFAULT_SOLIDITY[type], TERRAIN_SOL[type]) << "type " << type;
}

TEST(LevelcMarkers, EachMarkerSitsInItsCell)
{
    struct Case { char c; const char* tag; int x, y; };
    // Cell column 10, map row 20: left x 320, top y 640, bottom y 672.
    const Case cases[] = {
        {'c', "Cheese", 320, 640},    // fills the cell
        {'b', "Burger", 316, 622},    // 40 x 50, feet on the floor, centred
        {'e', "Eel", 321, 640},       // 30 wide, leaps up to the cell's top
        {'S', "Scientist", 276, 492}, // 120 x 180, feet on the floor, centred
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.tag);
        CompiledLevel level = Compile(Source({{10, 20, c.c}}));
        const auto& list = (c.c == 'c') ? level.cheese : level.enemies;
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].tag, c.tag);
        EXPECT_EQ(list[0].x, c.x);
        EXPECT_EQ(list[0].y, c.y);
        EXPECT_TRUE(level.tiles.empty());
    }
}

TEST(LevelcOutput, RecordsComeInTheWritersOrder)
{
    // The rat first, standing on the floor of its cell, then enemies, cheese
    // and tiles, whatever the map order.
    CompiledLevel level = Compile(Source(EmptyRows(), {{0, 30, '='}, {1, 30, '~'}, {3, 29, 'c'},
                                                       {2, 29, 'b'}, {5, 24, 'R'}, {6, 2, 'e'}}));
    EXPECT_EQ(levelc::FormatLevelRecords(level),
              "Rat\n156 740\n"
              "Eel\n193 64\n"
              "Burger\n60 910\n"
              "Cheese\n96 928\n"
              "Terrain\n0 0 2 5\n"
              "Water\n1 0 0 0\n");
}

TEST(LevelcOutput, CarriageReturnsAndTrailingBlankLinesAreAccepted)
{
    std::string source = Source({{0, 30, '='}});
    std::string crlf;
    for (char c : source)
        crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    CompiledLevel level = Compile(crlf + "\n\n");
    EXPECT_EQ(level.tiles.size(), 1u);
}

TEST(LevelcMalformed, BadMapsAreRejectedWithAClearMessage)
{
    std::vector<std::string> rows = EmptyRows();
    rows[24][5] = 'R';
    auto withRows = [](std::vector<std::string> r) { return Source(r, {}); };
    std::vector<std::string> shortRow = rows;
    shortRow[3].pop_back();
    std::vector<std::string> fewRows = rows;
    fewRows.pop_back();
    std::vector<std::string> unknown = rows;
    unknown[7][9] = 'Q';

    struct Case { const char* what; std::string source; const char* message; };
    const Case cases[] = {
        {"no map line", std::string(LEGEND), "no 'map' line"},
        {"a short row", withRows(shortRow), "191 characters"},
        {"30 rows", withRows(fewRows), "30 rows"},
        {"32 rows", withRows(rows) + std::string(192, '.') + "\n", "more than 31 rows"},
        {"unknown character", withRows(unknown), "column 9: 'Q' is not in the legend"},
        {"no rat", Source(EmptyRows(), {}), "exactly one rat; it has 0"},
        {"two rats", Source({{3, 3, 'R'}}), "exactly one rat; it has 2"},
        {"scientist off the left edge", Source({{0, 20, 'S'}}), "stick out of the world"},
        {"burger off the right edge", Source({{191, 20, 'b'}}), "stick out of the world"},
        {"scientist through the top", Source({{50, 2, 'S'}}), "stick out of the world"},
        {"duplicate legend", Source(rows, {}, std::string(LEGEND) + "legend c burger\n"), "twice"},
        {"terrain type 18", Source(rows, {}, std::string(LEGEND) + "legend t terrain 18\n"), "0 to 17"},
        {"solidity 3", Source(rows, {}, std::string(LEGEND) + "legend t terrain 4 3\n"), "solidity"},
        {"word for a number", Source(rows, {}, std::string(LEGEND) + "legend t terrain four\n"),
         "a word where a number belongs"},
        {"unknown meaning", Source(rows, {}, std::string(LEGEND) + "legend t lava\n"), "unknown legend"},
        {"marker with numbers", Source(rows, {}, std::string(LEGEND) + "legend t cheese 3\n"),
         "takes no numbers"},
        {"stray text", Source(rows, {}, std::string(LEGEND) + "tiles please\n"), "expected a legend line"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_NE(CompileError(c.source).find(c.message), std::string::npos) << CompileError(c.source);
    }
}

TEST(LevelcMalformed, ErrorsNameTheSourceLine)
{
    std::vector<std::string> rows = EmptyRows();
    rows[24][5] = 'R';
    rows[2][40] = '?';
    int legendLines = 13;
    // The map line follows the legend; map row 2 is three lines further on.
    EXPECT_EQ(CompileError(Source(rows, {})).rfind("line " + std::to_string(legendLines + 1 + 3) + ":", 0), 0u);
}

TEST(LevelcProgram, WritesTheLevelFileAndFailsOnABadMap)
{
    const std::string tool = std::string(BINARY_DIR) + "/tools/levelc/sumprun-levelc";
    WriteFile("good.map", Source({{0, 30, '='}}));
    WriteFile("bad.map", Source(EmptyRows(), {}));
    EXPECT_EQ(std::system((tool + " good.map good.out").c_str()), 0);
    EXPECT_EQ(ReadFile("good.out"), "Rat\n3196 292\nTerrain\n0 0 2 5\n");
    int status = std::system((tool + " bad.map bad.out 2> bad.err").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_NE(ReadFile("bad.err").find("bad.map: the map needs exactly one rat"), std::string::npos);
    EXPECT_FALSE(FileExists("bad.out"));
    status = std::system((tool + " missing.map x.out 2> /dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}
