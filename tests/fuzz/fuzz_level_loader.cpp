// Feeds arbitrary bytes to the level loader as a level file, in memory.
// Nothing is drawn, so the sheets stay null; the clip lists are cut as at
// start-up so that terrain records reach their picture lookup.
#include <SDL.h>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>
#include "app/globals.h"
#include "app/startup.h"
#include "enemies/guy.h"
#include "play/level_file.h"
#include "world/constants.h"

// The longest input tried. A level with a tile in every cell, each record
// at its longest, is under 128 KiB; this leaves as much again for enemies
// and cheese. The fuzzer is given it as its -max_len unless told otherwise.
static const size_t MAX_LEVEL_BYTES = 2 * TILES_WIDE * TILES_HIGH * (sizeof("Terrain\n191 30 2 17\n") - 1);
static std::string maxLenFlag = "-max_len=" + std::to_string(MAX_LEVEL_BYTES);
static std::vector<char*> fuzzerArgs;

static void AddMaxLen(int* argc, char*** argv)
{
    fuzzerArgs.assign(*argv, *argv + *argc);
    for (char* arg : fuzzerArgs)
        if (std::string(arg).rfind("-max_len=", 0) == 0)
            return;
    fuzzerArgs.push_back(&maxLenFlag[0]);
    *argc = static_cast<int>(fuzzerArgs.size());
    fuzzerArgs.push_back(nullptr);
    *argv = fuzzerArgs.data();
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    AddMaxLen(argc, argv);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        abort();
    SetClips();
    // Before the world lists themselves go: the last level's objects are
    // freed, not lost.
    atexit(ClearWorld);
    return 0;
}

// What the rest of the game relies on after any load.
static void CheckWorld()
{
    for (Tile* t : tile)
    {
        if (t->GetTag() == "Terrain" && (t->GetTileType() < 0 || t->GetTileType() >= TERRAIN_TILES))
            abort();
        if (t->GetCollisionBoxes().size() != 1)
            abort();
    }
    for (Guy* g : guy)
        if (!g)
            abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > MAX_LEVEL_BYTES)
        return 0;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    LoadLevelFrom(in);
    CheckWorld();
    return 0;
}
