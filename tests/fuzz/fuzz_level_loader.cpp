// Feeds arbitrary bytes to the level loader as a level file. Nothing is
// drawn, so the sheets stay null; the clip lists are cut as at start-up so
// that terrain records reach their picture lookup.
#include <SDL.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include "app/globals.h"
#include "app/startup.h"
#include "enemies/guy.h"
#include "play/level_file.h"

static std::string levelPath;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        abort();
    SetClips();
    levelPath = "/tmp/fuzz_level_loader_" + std::to_string(getpid());
    // Before the world lists themselves go: the last level's objects are
    // freed, not lost.
    atexit([] {
        ClearWorld();
        remove(levelPath.c_str());
    });
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
    FILE* f = fopen(levelPath.c_str(), "wb");
    if (!f)
        abort();
    if (size && fwrite(data, 1, size, f) != size)
        abort();
    fclose(f);
    LoadLevel(levelPath);
    CheckWorld();
    return 0;
}
