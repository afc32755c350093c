#include <initializer_list>
#include <string>
#include "app/globals.h"
#include "editor/editor.h"
#include "enemies/guy.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"

static void AddRecord(std::string& text, const std::string& tag, std::initializer_list<int> values)
{
    text += tag;
    text += '\n';
    bool first = true;
    for (int value : values)
    {
        if (!first)
            text += ' ';
        text += std::to_string(value);
        first = false;
    }
    text += '\n';
}

// Tiles are stored by cell, rows counted up from the bottom row of the level.
static int TileColumn(const Tile& t) { return t.GetXPos() / TILE_WIDTH; }
static int TileRow(const Tile& t) { return (TILES_HIGH - 1) - t.GetYPos() / TILE_HEIGHT; }

std::string LevelFileText()
{
    std::string text;
    AddRecord(text, "Rat", {rat.GetXPos(), rat.GetYPos()});
    for (Guy* g : guy)
        AddRecord(text, g->GetTag(), {g->GetXPos(), g->GetYPos()});
    for (Cheese* c : cheese)
        AddRecord(text, c->GetTag(), {c->GetXPos(), c->GetYPos()});
    for (Tile* t : tile)
        AddRecord(text, t->GetTag(), {TileColumn(*t), TileRow(*t), t->GetSolidity(), t->GetTileType()});
    return text;
}

bool SaveEdit()
{
    if (!ReplaceFileSafely(EDITOR_LEVEL_FILE, LevelFileText()))
        return false;
    VEK_Delay(EDITOR_SAVE_WAIT_MS);
    return true;
}
