#include "tools/levelc/level_map.h"
#include <map>
#include <sstream>

namespace levelc
{

const int DEFAULT_SOLIDITY[TERRAIN_TYPES] = {1, 1, 1, 0, 2, 2, 2, 2, 0, 2, 2, 2, 2, 2, 0, 0, 1, 2};

namespace
{

enum class Kind
{
    Empty,
    Terrain,
    Water,
    Cheese,
    Burger,
    Eel,
    Scientist,
    Rat
};

struct Meaning
{
    Kind kind = Kind::Empty;
    int type = 0;
    int solidity = 0;
};

struct Size
{
    int width;
    int height;
};

const std::map<std::string, Kind> MARKER_WORDS = {
    {"empty", Kind::Empty}, {"cheese", Kind::Cheese},       {"burger", Kind::Burger},
    {"eel", Kind::Eel},     {"scientist", Kind::Scientist}, {"rat", Kind::Rat},
};

std::string Where(int lineNo) { return "line " + std::to_string(lineNo) + ": "; }

// Reads an optional whole number; false when something is there but it is
// not a number.
bool ReadOptionalInt(std::istringstream& words, int& value, bool& present)
{
    std::string word;
    present = false;
    if (!(words >> word))
        return true;
    size_t used = 0;
    try
    {
        value = std::stoi(word, &used);
    }
    catch (...)
    {
        return false;
    }
    present = true;
    return used == word.size();
}

bool ParseLegend(const std::string& line, int lineNo, std::map<char, Meaning>& legend, std::string& error)
{
    std::istringstream words(line);
    std::string keyword, symbol, kindWord;
    words >> keyword >> symbol >> kindWord;
    if (symbol.size() != 1 || kindWord.empty())
    {
        error = Where(lineNo) + "a legend line is: legend CHARACTER MEANING";
        return false;
    }
    char c = symbol[0];
    if (legend.count(c))
    {
        error = Where(lineNo) + "the character '" + symbol + "' is in the legend twice";
        return false;
    }
    Meaning meaning;
    int first = 0, second = 0;
    bool hasFirst = false, hasSecond = false;
    if (!ReadOptionalInt(words, first, hasFirst) || !ReadOptionalInt(words, second, hasSecond))
    {
        error = Where(lineNo) + "the legend of '" + symbol + "' has a word where a number belongs";
        return false;
    }
    std::string extra;
    if (words >> extra)
    {
        error = Where(lineNo) + "the legend of '" + symbol + "' has too many words";
        return false;
    }
    if (kindWord == "terrain")
    {
        if (!hasFirst || first < 0 || first >= TERRAIN_TYPES)
        {
            error = Where(lineNo) + "terrain needs a type from 0 to 17";
            return false;
        }
        meaning.kind = Kind::Terrain;
        meaning.type = first;
        meaning.solidity = hasSecond ? second : DEFAULT_SOLIDITY[first];
    }
    else if (kindWord == "water")
    {
        meaning.kind = Kind::Water;
        meaning.solidity = hasFirst ? first : 0;
        meaning.type = hasSecond ? second : 0;
        if (meaning.type < 0 || meaning.type >= TERRAIN_TYPES)
        {
            error = Where(lineNo) + "a water type must be from 0 to 17";
            return false;
        }
    }
    else if (MARKER_WORDS.count(kindWord))
    {
        if (hasFirst)
        {
            error = Where(lineNo) + "'" + kindWord + "' takes no numbers";
            return false;
        }
        meaning.kind = MARKER_WORDS.at(kindWord);
    }
    else
    {
        error = Where(lineNo) + "unknown legend meaning '" + kindWord + "'";
        return false;
    }
    if (meaning.solidity < 0 || meaning.solidity > 2)
    {
        error = Where(lineNo) + "solidity must be 0 (ghost), 1 (platform) or 2 (solid)";
        return false;
    }
    legend[c] = meaning;
    return true;
}

// Where a marker's object goes in its cell, or false when it would stick
// out of the world.
bool PlaceMarker(Kind kind, int column, int mapRow, PlacedThing& placed)
{
    static const std::map<Kind, std::pair<std::string, Size>> SIZES = {
        {Kind::Cheese, {"Cheese", {32, 32}}}, {Kind::Burger, {"Burger", {40, 50}}},
        {Kind::Eel, {"Eel", {30, 70}}},       {Kind::Scientist, {"Scientist", {120, 180}}},
        {Kind::Rat, {"Rat", {40, 60}}},
    };
    const auto& entry = SIZES.at(kind);
    const Size size = entry.second;
    const int left = column * CELL;
    const int top = mapRow * CELL;
    placed.tag = entry.first;
    placed.x = left + (CELL - size.width) / 2;
    // Standing things put their feet on the cell's floor; the eel's cell
    // marks the top of its leap.
    placed.y = (kind == Kind::Eel) ? top : top + CELL - size.height;
    return placed.x >= 0 && placed.y >= 0 && placed.x + size.width <= MAP_COLUMNS * CELL;
}

} // namespace

bool CompileLevelMap(const std::string& source, CompiledLevel& level, std::string& error)
{
    level = CompiledLevel();
    std::map<char, Meaning> legend;
    std::istringstream in(source);
    std::string line;
    int lineNo = 0;
    bool inMap = false;
    std::vector<std::string> rows;
    std::vector<int> rowLines;

    while (std::getline(in, line))
    {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (inMap)
        {
            if (static_cast<int>(rows.size()) < MAP_ROWS)
            {
                rows.push_back(line);
                rowLines.push_back(lineNo);
            }
            else if (line.find_first_not_of(" \t") != std::string::npos)
            {
                error = Where(lineNo) + "the map has more than 31 rows";
                return false;
            }
            continue;
        }
        std::string first;
        std::istringstream(line) >> first;
        if (first.empty() || first[0] == '#')
            continue;
        if (first == "legend")
        {
            if (!ParseLegend(line, lineNo, legend, error))
                return false;
        }
        else if (first == "map" && line.find_first_not_of(" \t", line.find("map") + 3) == std::string::npos)
            inMap = true;
        else
        {
            error = Where(lineNo) + "expected a legend line or the line 'map'";
            return false;
        }
    }
    if (!inMap)
    {
        error = "no 'map' line: the map is missing";
        return false;
    }
    if (static_cast<int>(rows.size()) != MAP_ROWS)
    {
        error = "the map has " + std::to_string(rows.size()) + " rows; it needs 31";
        return false;
    }

    std::vector<PlacedThing> rats;
    for (int r = 0; r < MAP_ROWS; ++r)
    {
        const std::string& row = rows[r];
        if (static_cast<int>(row.size()) != MAP_COLUMNS)
        {
            error = Where(rowLines[r]) + "a map row has " + std::to_string(row.size()) + " characters; it needs 192";
            return false;
        }
        for (int column = 0; column < MAP_COLUMNS; ++column)
        {
            char c = row[column];
            auto found = legend.find(c);
            if (found == legend.end())
            {
                error = Where(rowLines[r]) + "column " + std::to_string(column) + ": '" + std::string(1, c) +
                        "' is not in the legend";
                return false;
            }
            const Meaning& meaning = found->second;
            switch (meaning.kind)
            {
            case Kind::Empty:
                break;
            case Kind::Terrain:
            case Kind::Water:
                level.tiles.push_back({meaning.kind == Kind::Terrain ? "Terrain" : "Water", column, MAP_ROWS - 1 - r,
                                       meaning.solidity, meaning.type});
                break;
            default:
            {
                PlacedThing placed;
                if (!PlaceMarker(meaning.kind, column, r, placed))
                {
                    error = Where(rowLines[r]) + "column " + std::to_string(column) + ": the " + placed.tag +
                            " would stick out of the world";
                    return false;
                }
                if (meaning.kind == Kind::Rat)
                    rats.push_back(placed);
                else if (meaning.kind == Kind::Cheese)
                    level.cheese.push_back(placed);
                else
                    level.enemies.push_back(placed);
            }
            }
        }
    }
    if (rats.size() != 1)
    {
        error = "the map needs exactly one rat; it has " + std::to_string(rats.size());
        return false;
    }
    level.rat = rats[0];
    return true;
}

std::string FormatLevelRecords(const CompiledLevel& level)
{
    std::ostringstream out;
    auto thing = [&out](const PlacedThing& t) { out << t.tag << '\n' << t.x << ' ' << t.y << '\n'; };
    thing(level.rat);
    for (const auto& enemy : level.enemies)
        thing(enemy);
    for (const auto& piece : level.cheese)
        thing(piece);
    for (const auto& t : level.tiles)
        out << t.tag << '\n' << t.column << ' ' << t.row << ' ' << t.solidity << ' ' << t.type << '\n';
    return out.str();
}

} // namespace levelc
