#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <utility>
#include "app/globals.h"
#include "editor/editor.h"
#include "enemies/guy.h"
#include "play/level_file.h"
#include "toolkit/safe_file.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"

// Tiles are stored by cell, rows counted up from the bottom row of the level.
static int TileColumn(const Tile& t) { return t.GetXPos() / TILE_WIDTH; }
static int TileRow(const Tile& t) { return (TILES_HIGH - 1) - t.GetYPos() / TILE_HEIGHT; }

// A rat left below the world by a fall, or beyond its sides, would start
// every life of the saved level there: dead at once, or outside the level.
static bool RatCanStartWhereItIs()
{
    return rat.GetYPos() + rat.GetYSize() <= LEVEL_HEIGHT && rat.GetXPos() >= 0 &&
           rat.GetXPos() + rat.GetXSize() <= LEVEL_WIDTH;
}

LevelSnapshot SnapshotLevel()
{
    LevelSnapshot level;
    level.records.reserve(1 + guy.size() + cheese.size() + tile.size());
    auto add = [&level](std::string tag, int a, int b, int c = 0, int d = 0, int count = 2) {
        level.records.push_back({std::move(tag), {a, b, c, d}, count});
    };
    if (RatCanStartWhereItIs())
        add("Rat", rat.GetXPos(), rat.GetYPos());
    else
        add("Rat", rat.GetStartX(), rat.GetStartY());
    for (Guy* g : guy)
        add(g->GetTag(), g->GetXPos(), g->GetYPos());
    for (Cheese* c : cheese)
        add(c->GetTag(), c->GetXPos(), c->GetYPos());
    for (Tile* t : tile)
        add(t->GetTag(), TileColumn(*t), TileRow(*t), t->GetSolidity(), t->GetTileType(), 4);
    return level;
}

std::string FormatLevel(const LevelSnapshot& level)
{
    std::string text;
    for (const LevelRecord& r : level.records)
        if (r.count == 4)
            AppendLevelRecord(text, r.tag, {r.numbers[0], r.numbers[1], r.numbers[2], r.numbers[3]});
        else
            AppendLevelRecord(text, r.tag, {r.numbers[0], r.numbers[1]});
    return text;
}

std::string LevelFileText() { return FormatLevel(SnapshotLevel()); }

// Copies the level about to be replaced to the backup. A level that could
// not be read whole before editing is still whole in that copy. False when
// there is an old file that could not be kept.
static bool KeepOldLevel()
{
    struct stat st;
    if (stat(EDITOR_LEVEL_FILE, &st) != 0)
        return errno == ENOENT;
    std::string old;
    return ReadRegularFile(EDITOR_LEVEL_FILE, old) && ReplaceFileSafely(EDITOR_BACKUP_FILE, old);
}

bool SaveEdit()
{
    if (!KeepOldLevel() || !ReplaceFileSafely(EDITOR_LEVEL_FILE, LevelFileText()))
        return false;
    VEK_Delay(EDITOR_SAVE_WAIT_MS);
    return true;
}
