#include <cerrno>
#include <cstdio>
#include <cstring>
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

LevelSnapshot SnapshotLevel()
{
    LevelSnapshot level;
    level.records.reserve(1 + guy.size() + cheese.size() + tile.size());
    auto add = [&level](std::string tag, int a, int b, int c = 0, int d = 0, int count = 2) {
        level.records.push_back({std::move(tag), {a, b, c, d}, count});
    };
    if (RatCanStartWhereItIs())
        add(RecordTag(RECORD_RAT), rat.GetXPos(), rat.GetYPos());
    else
        add(RecordTag(RECORD_RAT), rat.GetStartX(), rat.GetStartY());
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

// Why a write of name failed, in plain words short enough for a line of a
// dialog in the large font; error is the errno the failed write left.
static std::string WriteProblem(const std::string& name, int error)
{
    struct stat st;
    if (stat(name.c_str(), &st) == 0)
    {
        if (S_ISDIR(st.st_mode))
            return "A Folder Is In The Way";
        if (!S_ISREG(st.st_mode))
            return "Not A Regular File";
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return name + " Is Read-Only";
    }
    switch (error)
    {
    case ENOSPC:
    case EDQUOT:
        return "The Disk Is Full";
    case EFBIG:
        return "The File Is Too Large";
    case EROFS:
        return "The Disk Is Read-Only";
    case EACCES:
    case EPERM:
        return "No Permission Here";
    default:
        return "Writing Failed";
    }
}

static bool Replace(const std::string& name, const std::string& contents, std::string& problem)
{
    if (ReplaceFileSafely(name, contents))
        return true;
    const int error = errno;
    problem = WriteProblem(name, error);
    // The dialog has room for a few words only; the system's own are here.
    std::fprintf(stderr, "sumprun: could not write %s: %s\n", name.c_str(), std::strerror(error));
    return false;
}

// Copies the level about to be replaced to the backup. A level that could
// not be read whole before editing is still whole in that copy. False when
// there is an old file that could not be kept.
static bool KeepOldLevel(std::string& problem)
{
    std::string old;
    switch (ReadFileIfRegular(EDITOR_LEVEL_FILE, old))
    {
    case FileRead::Missing:
        return true;
    case FileRead::Read:
        return Replace(EDITOR_BACKUP_FILE, old, problem);
    case FileRead::NotRegular:
        problem = WriteProblem(EDITOR_LEVEL_FILE, 0);
        return false;
    default:
        problem = "Old Level Unreadable";
        return false;
    }
}

bool KeepPartlyReadLevel()
{
    std::string original;
    return ReadRegularFile(EDITOR_LEVEL_FILE, original) && ReplaceFileSafely(EDITOR_PARTIAL_FILE, original);
}

bool SaveEditSayingWhy(std::string& why)
{
    if (!KeepOldLevel(why) || !Replace(EDITOR_LEVEL_FILE, LevelFileText(), why))
        return false;
    VEK_Delay(EDITOR_SAVE_WAIT_MS);
    return true;
}

bool SaveEdit()
{
    std::string ignored;
    return SaveEditSayingWhy(ignored);
}
