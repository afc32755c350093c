#include "bench/frame_driver.h"
#include <cstdlib>
#include <initializer_list>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "play/draw.h"
#include "play/play_state.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"
#include "world/game_random.h"

static const Uint32 DRIVER_FRAME_MS = 20;
static const Uint32 DRIVER_CLOCK_START = 1000;
static const Uint32 DRAW_EVERY = 2;

static Uint32 driverNow = DRIVER_CLOCK_START;
static Uint32 DriverTicks() { return driverNow; }
static void DriverDelay(Uint32 ms) { driverNow += ms; }

std::vector<FrameInput> ExpandReplay(const Replay& replay)
{
    std::vector<FrameInput> frames;
    std::string pending;
    for (const ReplayStep& step : replay.steps)
    {
        if (!step.press.empty())
        {
            pending = step.press;
            continue;
        }
        for (int f = 0; f < step.frames; ++f)
        {
            FrameInput in;
            in.left = step.left;
            in.right = step.right;
            in.up = step.up;
            in.press = pending;
            pending.clear();
            frames.push_back(in);
        }
    }
    return frames;
}

static void PushKey(Uint8 type, SDLKey key)
{
    SDL_Event e = SDL_Event();
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

static void PressKey(const std::string& name)
{
    SDLKey key = name == "p" ? SDLK_p : name == "escape" ? SDLK_ESCAPE : SDLK_RETURN;
    PushKey(SDL_KEYDOWN, key);
    PushKey(SDL_KEYUP, key);
}

static void HoldKeys(bool left, bool right, bool up)
{
    Uint8* keys = SDL_GetKeyState(NULL);
    keys[SDLK_LEFT] = left;
    keys[SDLK_RIGHT] = right;
    keys[SDLK_UP] = up;
}

static void DropEvents()
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
    {
    }
}

void FrameDriver::Start(int levelSlot, unsigned seed)
{
    PopAll();
    DropEvents();
    HoldKeys(false, false, false);
    frameCount = 0;
    frames = 0;
    driverNow = DRIVER_CLOCK_START;
    VEK_SetTickSource(DriverTicks);
    VEK_SetDelaySink(DriverDelay);
    srand(seed);
    SeedGameRandom(seed);
    rat = Rat();
    rat.SetDefaults(rat_ss, &ratClips);
    camera.SetBothPos(0, 0);
    level = levelSlot;
    PushState(MenuState);
    PushState(PlayState);
    PrePlay();
}

FrameDrawing FrameDriver::Logic(const FrameInput& input)
{
    if (!input.press.empty())
        PressKey(input.press);
    HoldKeys(input.left, input.right, input.up);
    // The pause menu, dismissed at once: no time passes while it is up.
    if (IsTopState(PauseState))
    {
        gameTimer.Pause();
        PopState();
        gameTimer.Resume();
    }
    if (IsTopState(PlayState))
    {
        bool going = PlayFrame();
        return going && frameCount % DRAW_EVERY == 0 ? FrameDrawing::Play : FrameDrawing::Nothing;
    }
    if (IsTopState(RespawnState))
    {
        RespawnFrame();
        return FrameDrawing::Respawn;
    }
    return FrameDrawing::Ended;
}

void FrameDriver::Draw(FrameDrawing drawing)
{
    if (drawing == FrameDrawing::Play)
    {
        DrawGame();
        DrawHUD();
    }
    else if (drawing == FrameDrawing::Respawn)
    {
        DrawGame();
        DrawHUDLives();
    }
}

bool FrameDriver::EndFrame()
{
    frames += 1;
    frameCount += 1;
    driverNow += DRIVER_FRAME_MS;
    return !IsTopState(WonState) && !IsTopState(LostState);
}

void FrameDriver::Finish()
{
    HoldKeys(false, false, false);
    DropEvents();
    VEK_SetTickSource(nullptr);
    VEK_SetDelaySink(nullptr);
    PopAll();
}

// Level file records: a tag line, then its numbers.
static void Record(std::string& text, const char* tag, std::initializer_list<int> numbers)
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

static const int DENSE_BURGERS = 100;
static const int DENSE_EELS = 99;
static const int DENSE_CHEESES = 500;
static const int TERRAIN_KINDS = 18;

std::string DensestLevelText()
{
    std::string text;
    Record(text, "Rat", {96, 96});
    // Enemies and cheese on cells spread evenly over the level, by a step
    // prime to the cell count so that no two share a cell.
    const int cells = TILES_WIDE * TILES_HIGH;
    auto cellX = [](int cell) { return (cell % TILES_WIDE) * TILE_WIDTH; };
    auto cellY = [](int cell) { return (cell / TILES_WIDE) * TILE_HEIGHT; };
    for (int i = 0; i < DENSE_BURGERS; ++i)
    {
        int cell = (i * 59 + 7) % cells;
        Record(text, "Burger", {cellX(cell), cellY(cell)});
    }
    for (int i = 0; i < DENSE_EELS; ++i)
    {
        int cell = (i * 61 + 29) % cells;
        Record(text, "Eel", {cellX(cell), cellY(cell)});
    }
    Record(text, "Scientist", {5760, 600});
    for (int i = 0; i < DENSE_CHEESES; ++i)
    {
        int cell = (i * 11 + 3) % cells;
        Record(text, "Cheese", {cellX(cell), cellY(cell)});
    }
    // Every third cell water, the rest every terrain kind in turn.
    for (int row = 0; row < TILES_HIGH; ++row)
        for (int col = 0; col < TILES_WIDE; ++col)
        {
            if ((col + row) % 3 == 0)
                Record(text, "Water", {col, row, GHOST, 0});
            else
            {
                int type = (col + row * 5) % TERRAIN_KINDS;
                Record(text, "Terrain", {col, row, TERRAIN_SOL[type], type});
            }
        }
    return text;
}

std::vector<FrameInput> DensestLevelInput(int frames)
{
    // Forty frames right, ten jumping right, forty left, ten jumping left.
    std::vector<FrameInput> input(frames);
    for (int f = 0; f < frames; ++f)
    {
        int phase = f % 100;
        input[f].right = phase < 50;
        input[f].left = phase >= 50;
        input[f].up = (phase >= 40 && phase < 50) || phase >= 90;
    }
    return input;
}
