#include <cerrno>
#include <string>
#include <sys/stat.h>
#include "app/globals.h"
#include "editor/editor.h"
#include "enemies/guy.h"
#include "play/level_file.h"
#include "toolkit/safe_file.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"

// Tiles are stored by the cell they stand in.
static int TileColumn(const Tile& t) { return TileColumn(t.GetXPos()); }
static int TileRow(const Tile& t) { return TileRow(t.GetYPos()); }

// A rat left below the world by a fall, or beyond its sides, would start
// every life of the saved level there: dead at once, or outside the level.
static bool RatCanStartWhereItIs()
{
    return rat.GetYPos() + rat.GetYSize() <= LEVEL_HEIGHT && rat.GetXPos() >= 0 &&
           rat.GetXPos() + rat.GetXSize() <= LEVEL_WIDTH;
}

std::string LevelFileText()
{
    std::string text;
    if (RatCanStartWhereItIs())
        AppendLevelRecord(text, "Rat", {rat.GetXPos(), rat.GetYPos()});
    else
        AppendLevelRecord(text, "Rat", {rat.GetStartX(), rat.GetStartY()});
    for (Guy* g : guy)
        AppendLevelRecord(text, g->GetTag(), {g->GetXPos(), g->GetYPos()});
    for (Cheese* c : cheese)
        AppendLevelRecord(text, c->GetTag(), {c->GetXPos(), c->GetYPos()});
    for (Tile* t : tile)
        AppendLevelRecord(text, t->GetTag(), {TileColumn(*t), TileRow(*t), t->GetSolidity(), t->GetTileType()});
    return text;
}

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
