#include "tests/support/test_env.h"
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include "app/globals.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "editor/autosave.h"
#include "enemies/guy.h"
#include "play/level_file.h"
#include "toolkit/vek_clock.h"
#include "world/game_random.h"

bool StartGame()
{
    static bool started = false;
    if (!started)
    {
        if (!init() || !load_files())
            return false;
        SetClips();
        SetGuyDefaults();
        // The frame pacing reads this timer, as it would after SDL_main.
        frameTimer.Start();
        started = true;
    }
    srand(12345);
    SeedGameRandom(12345);
    return true;
}

void HoldKey(SDLKey key, bool down) { SDL_GetKeyState(NULL)[key] = down; }

void PushKeyPress(SDLKey key)
{
    for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP})
    {
        SDL_Event e{};
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }
}

void PushQuitEvent()
{
    SDL_Event e{};
    e.quit.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void DrainEvents()
{
    for (SDL_Event e; SDL_PollEvent(&e);)
        ;
}

Stack_t Stack()
{
    Stack_t states;
    for (auto copy = StateStack; !copy.empty(); copy.pop())
        states.insert(states.begin(), copy.top().StatePointer);
    return states;
}

void ResetGameState()
{
    while (!StateStack.empty())
        StateStack.pop();
    // No autosave of an earlier test is written into this one's files.
    FinishAutosave();
    ClearWorld();
    DrainEvents();
    int keyCount = 0;
    Uint8* keys = SDL_GetKeyState(&keyCount);
    std::memset(keys, 0, keyCount); // no key held
    score = 0;
    level = 1;
    gameTimer.Stop();
    event = SDL_Event();
}

static Uint32 fakeNow = 0;

void InstallFakeClock(Uint32 startMs)
{
    fakeNow = startMs;
    VEK_SetTickSource([] { return fakeNow; });
    VEK_SetDelaySink(AdvanceFakeClock);
    // Restart the pacing on the fake clock, or the first paced frame would
    // measure against the real one.
    frameTimer.Start();
    lastFrame = 0;
}

void AdvanceFakeClock(Uint32 ms) { fakeNow += ms; }

void RemoveFakeClock()
{
    VEK_SetTickSource(nullptr);
    VEK_SetDelaySink(nullptr);
}

Uint32 PixelRGB(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const int bpp = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    // The game's surfaces have four bytes a pixel; rendered text has one and
    // pictures loaded as they are may have three.
    const Uint32 pixel = bpp == 1                          ? *p
                         : bpp == 4                        ? *reinterpret_cast<const Uint32*>(p)
                         : SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2])
                                                           : (p[0] | p[1] << 8 | p[2] << 16);
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return Uint32(r) << 16 | g << 8 | b;
}

std::vector<Uint8> SurfaceBytes(SDL_Surface* surface)
{
    const Uint8* bytes = static_cast<const Uint8*>(surface->pixels);
    return std::vector<Uint8>(bytes, bytes + surface->pitch * surface->h);
}

int CountColour(SDL_Surface* surface, Uint32 rgb)
{
    int count = 0;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            count += PixelRGB(surface, x, y) == rgb;
    return count;
}

std::string ReadFile(const std::string& name)
{
    std::ostringstream text;
    text << std::ifstream(name, std::ios::binary).rdbuf();
    return text.str();
}

void WriteFile(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

bool FileExists(const std::string& name) { return std::ifstream(name).good(); }
