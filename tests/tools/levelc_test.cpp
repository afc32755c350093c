#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/support/test_env.h"
#include "tools/levelc/level_map.h"

namespace
{
const std::string LEGEND = "# a test level\n"
                           "legend . empty\nlegend = terrain 5\nlegend _ terrain 16\nlegend p terrain 3\n"
                           "legend X terrain 1 2\nlegend ~ water\nlegend w water 1 7\nlegend c cheese\n"
                           "legend b burger\nlegend e eel\nlegend S scientist\nlegend R rat\n";

struct Cell
{
    int column, mapRow;
    char c;
}; // map row 0 is the top of the world
using Rows = std::vector<std::string>;

Rows EmptyRows() { return Rows(31, std::string(192, '.')); }

// The legend (and more lines) and the rows with the cells placed; a rat at
// column 100, map row 10 unless one is placed.
std::string Source(const std::vector<Cell>& cells, Rows rows = EmptyRows(), const std::string& more = "")
{
    bool rat = false;
    for (const Cell& cell : cells)
        rat |= (rows[cell.mapRow][cell.column] = cell.c) == 'R';
    if (!rat)
        rows[10][100] = 'R';
    std::string text = LEGEND + more + "map\n";
    for (const auto& row : rows)
        text += row + "\n";
    return text;
}

std::string Compiled(const std::string& source)
{
    levelc::CompiledLevel level;
    std::string error;
    return levelc::CompileLevelMap(source, level, error) ? levelc::FormatLevelRecords(level) : "refused: " + error;
}
} // namespace

// Records in the writer's order: the rat standing on the floor of its cell,
// enemies and cheese by their size in their cells, then tiles with rows
// counted up from the bottom; with Windows line ends and blank lines after
// the map too.
TEST(Levelc, MapsCompileToTheGamesRecords)
{
    const std::string RAT = "Rat\n3196 292\n";
    const std::pair<std::vector<Cell>, std::string> table[] = {
        {{{0, 30, '='}, {1, 30, '~'}, {3, 29, 'c'}, {2, 29, 'b'}, {5, 24, 'R'}, {6, 2, 'e'}},
         "Rat\n156 740\nEel\n193 64\nBurger\n60 910\nCheese\n96 928\nTerrain\n0 0 2 5\nWater\n1 0 0 0\n"},
        {{{0, 30, '='},
          {1, 30, '_'},
          {2, 30, 'p'},
          {3, 30, 'X'},
          {4, 30, '~'},
          {5, 30, 'w'},
          {7, 0, '='},
          {191, 15, '='}},
         RAT + "Terrain\n7 30 2 5\nTerrain\n191 15 2 5\nTerrain\n0 0 2 5\nTerrain\n1 0 1 16\nTerrain\n2 0 0 3\n"
               "Terrain\n3 0 2 1\nWater\n4 0 0 0\nWater\n5 0 1 7\n"},
        // Cell column 10, map row 20: left x 320, top y 640, bottom y 672.
        {{{10, 20, 'c'}}, RAT + "Cheese\n320 640\n"},
        {{{0, 20, 'c'}}, RAT + "Cheese\n0 640\n"},       // at the left edge, still in the world
        {{{10, 20, 'b'}}, RAT + "Burger\n316 622\n"},    // 40 x 50, on the floor, centred
        {{{10, 20, 'e'}}, RAT + "Eel\n321 640\n"},       // 30 wide, leaps up to the top
        {{{10, 20, 'S'}}, RAT + "Scientist\n276 492\n"}, // 120 x 180, on the floor, centred
    };
    for (const auto& [cells, records] : table)
    {
        const std::string source = Source(cells);
        std::string crlf;
        for (char c : source)
            crlf += c == '\n' ? "\r\n" : std::string(1, c);
        EXPECT_EQ(records, Compiled(source));
        EXPECT_EQ(records, Compiled(crlf + "\r\n\n"));
    }
}

TEST(Levelc, BadMapsAreRefusedWithTheReason)
{
    Rows shortRow = EmptyRows(), fewRows = EmptyRows(), unknown = EmptyRows(), twoRats = EmptyRows();
    shortRow[3].pop_back();
    fewRows.pop_back();
    unknown[2][40] = '?';
    twoRats[3][3] = 'R';
    const std::pair<std::string, const char*> table[] = {
        {LEGEND, "no 'map' line"},
        {Source({}, shortRow), "191 characters"},
        {Source({}, fewRows), "30 rows"},
        {Source({}) + std::string(192, '.') + "\n", "more than 31 rows"},
        {Source({}, unknown), "line 17: column 40: '?' is not in the legend"}, // 13 legend lines, map, 3 rows
        {Source({}).replace(Source({}).rfind('R'), 1, "."), "exactly one rat; it has 0"},
        {Source({}, twoRats), "exactly one rat; it has 2"},
        {Source({{0, 20, 'S'}}), "stick out of the world"},   // off the left edge
        {Source({{191, 20, 'b'}}), "stick out of the world"}, // off the right edge
        {Source({{50, 2, 'S'}}), "stick out of the world"},   // through the top
        {Source({}, EmptyRows(), "legend c burger\n"), "twice"},
        {Source({}, EmptyRows(), "legend t terrain 18\n"), "0 to 17"},
        {Source({}, EmptyRows(), "legend t terrain 4 3\n"), "solidity"},
        {Source({}, EmptyRows(), "legend t terrain four\n"), "a word where a number belongs"},
        {Source({}, EmptyRows(), "legend t lava\n"), "unknown legend"},
        {Source({}, EmptyRows(), "legend t cheese 3\n"), "takes no numbers"},
        {Source({}, EmptyRows(), "tiles please\n"), "expected a legend line"},
    };
    for (const auto& [source, reason] : table)
    {
        const std::string got = Compiled(source);
        EXPECT_TRUE(got.rfind("refused: ", 0) == 0 && got.find(reason) != got.npos) << reason << ": " << got;
    }
}

TEST(Levelc, ProgramWritesTheLevelFileOrFailsNamingTheMap)
{
    const std::string tool = std::string(BINARY_DIR) + "/tools/levelc/sumprun-levelc";
    WriteFile("good.map", Source({{0, 30, '='}}));
    WriteFile("bad.map", LEGEND + "map\n");
    EXPECT_EQ(std::system((tool + " good.map good.out").c_str()), 0);
    EXPECT_EQ(ReadFile("good.out"), "Rat\n3196 292\nTerrain\n0 0 2 5\n");
    for (const char* map : {"bad.map", "missing.map"})
    {
        const int status = std::system((tool + " " + map + " bad.out 2> bad.err").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << map;
        EXPECT_NE(ReadFile("bad.err").find(map), std::string::npos) << ReadFile("bad.err");
        EXPECT_FALSE(FileExists("bad.out"));
    }
}
