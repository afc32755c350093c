#include "tools/levelc/level_map.h"
#include <map>
#include <sstream>

namespace levelc
{

namespace
{

// What a character of the map stands for; empty cells are RECORD_NONE.
struct Meaning
{
    RecordKind kind = RECORD_NONE;
    int type = 0;
    int solidity = GHOST;
};

const std::map<std::string, RecordKind> MARKER_WORDS = {
    {"empty", RECORD_NONE}, {"cheese", RECORD_CHEESE},       {"burger", RECORD_BURGER},
    {"eel", RECORD_EEL},    {"scientist", RECORD_SCIENTIST}, {"rat", RECORD_RAT},
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
        if (!hasFirst || first < 0 || first >= TERRAIN_TILES)
        {
            error = Where(lineNo) + "terrain needs a type from 0 to 17";
            return false;
        }
        meaning.kind = RECORD_TERRAIN;
        meaning.type = first;
        meaning.solidity = hasSecond ? second : TERRAIN_SOL[first];
    }
    else if (kindWord == "water")
    {
        meaning.kind = RECORD_WATER;
        meaning.solidity = hasFirst ? first : GHOST;
        meaning.type = hasSecond ? second : 0;
        if (meaning.type < 0 || meaning.type >= TERRAIN_TILES)
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
    if (meaning.solidity < GHOST || meaning.solidity > SOLID)
    {
        error = Where(lineNo) + "solidity must be 0 (ghost), 1 (platform) or 2 (solid)";
        return false;
    }
    legend[c] = meaning;
    return true;
}

// Where a marker's object goes in its cell, or false when it would stick
// out of the world.
bool PlaceMarker(RecordKind kind, int column, int mapRow, PlacedThing& placed)
{
    const ThingSize size = SizeOfThing(kind);
    const int left = column * TILE_WIDTH;
    const int top = mapRow * TILE_HEIGHT;
    placed.kind = kind;
    placed.x = left + (TILE_WIDTH - size.width) / 2;
    // Standing things put their feet on the cell's floor; the eel's cell
    // marks the top of its leap.
    placed.y = (kind == RECORD_EEL) ? top : top + TILE_HEIGHT - size.height;
    return placed.x >= 0 && placed.y >= 0 && placed.x + size.width <= LEVEL_WIDTH;
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
            case RECORD_NONE:
                break;
            case RECORD_TERRAIN:
            case RECORD_WATER:
                level.tiles.push_back(
                    {meaning.kind == RECORD_WATER, column, TileRow(r * TILE_HEIGHT), meaning.solidity, meaning.type});
                break;
            default:
            {
                PlacedThing placed;
                if (!PlaceMarker(meaning.kind, column, r, placed))
                {
                    error = Where(rowLines[r]) + "column " + std::to_string(column) + ": the " +
                            RecordTag(placed.kind) + " would stick out of the world";
                    return false;
                }
                if (meaning.kind == RECORD_RAT)
                    rats.push_back(placed);
                else if (meaning.kind == RECORD_CHEESE)
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
    std::string text;
    auto thing = [&text](const PlacedThing& t) { AppendLevelRecord(text, RecordTag(t.kind), {t.x, t.y}); };
    thing(level.rat);
    for (const auto& enemy : level.enemies)
        thing(enemy);
    for (const auto& piece : level.cheese)
        thing(piece);
    for (const auto& t : level.tiles)
        AppendTileRecord(text, t);
    return text;
}

} // namespace levelc
