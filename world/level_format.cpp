#include "world/level_format.h"

const int TERRAIN_SOL[TERRAIN_TILES] = {
    PLATFORM, PLATFORM, PLATFORM, GHOST, SOLID, SOLID, SOLID, SOLID,    GHOST,
    SOLID,    SOLID,    SOLID,    SOLID, SOLID, GHOST, GHOST, PLATFORM, SOLID,
};

static const long long POSITION_LIMIT = 30000;

std::string LevelFileName(int slot) { return slot >= 0 && slot < LEVEL_SLOTS ? LEVEL_FILES[slot] : ""; }

// In the order of RecordKind, from RECORD_RAT on.
static const char* const TAGS[] = {"Rat", "Burger", "Eel", "Scientist", "Cheese", "Terrain", "Water"};

const char* RecordTag(RecordKind kind) { return kind == RECORD_NONE ? "" : TAGS[kind - RECORD_RAT]; }

RecordKind KindOfTag(const std::string& line)
{
    for (size_t i = 0; i < sizeof TAGS / sizeof TAGS[0]; ++i)
        if (line == TAGS[i])
            return static_cast<RecordKind>(RECORD_RAT + i);
    return RECORD_NONE;
}

int TileColumn(int x) { return x / TILE_WIDTH; }
int TileRow(int y) { return (TILES_HIGH - 1) - y / TILE_HEIGHT; }
long long TileX(long long column) { return TILE_WIDTH * column; }
long long TileY(long long row) { return TILE_HEIGHT * (TILES_HIGH - 1 - row); }

TileRecord TileAt(int x, int y, bool water, int type)
{
    TileRecord t;
    t.water = water;
    t.column = TileColumn(x);
    t.row = TileRow(y);
    if (!water)
    {
        t.type = type;
        t.solidity = type >= 0 && type < TERRAIN_TILES ? TERRAIN_SOL[type] : GHOST;
    }
    return t;
}

ThingSize SizeOfThing(RecordKind kind)
{
    switch (kind)
    {
    case RECORD_RAT:
        return {RAT_WIDTH, RAT_HEIGHT};
    case RECORD_BURGER:
        return {BURGER_WIDTH, BURGER_HEIGHT};
    case RECORD_EEL:
        return {EEL_WIDTH, EEL_HEIGHT};
    case RECORD_SCIENTIST:
        return {SCIENTIST_WIDTH, SCIENTIST_HEIGHT};
    case RECORD_CHEESE:
        return {CHEESE_WIDTH, CHEESE_HEIGHT};
    default:
        return {TILE_WIDTH, TILE_HEIGHT};
    }
}

bool PositionUsable(long long x, long long y)
{
    return x >= -POSITION_LIMIT && x <= POSITION_LIMIT && y >= -POSITION_LIMIT && y <= POSITION_LIMIT;
}

void AppendLevelRecord(std::string& text, const std::string& tag, std::initializer_list<int> numbers)
{
    text += tag;
    text += '\n';
    bool first = true;
    for (int n : numbers)
    {
        if (!first)
            text += ' ';
        text += std::to_string(n);
        first = false;
    }
    text += '\n';
}

void AppendTileRecord(std::string& text, const TileRecord& t)
{
    AppendLevelRecord(text, RecordTag(t.water ? RECORD_WATER : RECORD_TERRAIN), {t.column, t.row, t.solidity, t.type});
}
