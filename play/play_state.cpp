#include "play/play_state.h"
#include <cstdlib>
#include <vector>
#include "app/globals.h"
#include "app/hiscore.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "enemies/guy.h"
#include "play/draw.h"
#include "play/game_recorder.h"
#include "play/level_file.h"
#include "play/live_input.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_pad.h"
#include "world/constants.h"
#include "world/game_random.h"
#include "world/tile_grid.h"

// Horizontal control and friction act on every third frame.
static const Uint32 CONTROL_EVERY = 3;
// The screen is redrawn on every second frame.
static const Uint32 DRAW_EVERY = 2;
// How far the rat may sink into a wall it is pushed out of.
static const int WALL_OVERLAP = 3;
// Beyond this point the camera locks on the scientist's arena.
static const int ARENA_X = 5472;
static const int ARENA_Y = 400;
static const int ARENA_CAMERA_X = 5488;
static const int ARENA_CAMERA_Y = 464;

static void FollowRat()
{
    camera.Follow(rat.GetXPos() + rat.GetXSize() / 2, rat.GetYPos() + rat.GetYSize() / 2, CAMERA_TIGHTNESS_X,
                  CAMERA_TIGHTNESS_Y, LEVEL_RECT);
}

// Where a game returns to: the main menu, or the editor's test play.
static StateFunction testGameHome = nullptr;

void SetTestGameHome(StateFunction home) { testGameHome = home; }

StateFunction GameHome() { return testGameHome ? testGameHome : MenuState; }

// A game that ends replaces everything above its home with its result. A
// test play counts for nothing.
static void EndGame(StateFunction result)
{
    PopUntil(GameHome());
    PushState(result);
    if (!testGameHome)
        RecordHiScore();
}

void RecordHiScore()
{
    if (score > hiScore)
        hiScore = score;
}

static void ForEachScientist(void (Guy::*action)())
{
    for (Guy* g : guy)
        if (g->GetTag() == RecordTag(RECORD_SCIENTIST))
            (g->*action)();
}

void PrePlay()
{
    // Drawing's rand() starts from the game's own seed, so that a replay of
    // the game draws the same pictures.
    srand(GameRandomState());
    LoadLevel(LevelFileName(level));
    StartGameOnLevel();
}

void StartGameOnLevel()
{
    gameTimer.Start();
    score = 0;
    rat.SetLives(LIVES);
    if (Mix_PlayingMusic())
        Mix_HaltMusic();
    if (music1)
        Mix_PlayMusic(music1, -1);
    camera.SetBothSize(SCREEN_WIDTH, SCREEN_HEIGHT);
    FollowRat();
}

// A pause or a close request opens its dialog over play.
static void TakePress(FramePress press)
{
    if (press == FramePress::Close)
        PushState(QuitToDosState);
    else if (press == FramePress::P || press == FramePress::Escape)
        PushState(PauseState);
}

static void MoveByHeldKeys(const FrameInput& input)
{
    bool controlFrame = frameCount % CONTROL_EVERY == 0;
    if (input.left && controlFrame)
        rat.Left();
    if (input.right && controlFrame)
        rat.Right();
    if (input.up)
        rat.Jump();
    if (controlFrame)
        rat.Friction();
}

// An erased enemy leaves the list at once; the index stays put so that the
// enemy moving into its place is updated in the same frame.
static void UpdateEnemies()
{
    for (size_t i = 0; i < guy.size();)
    {
        Guy* g = guy[i];
        g->Update();
        if (!g->EraseYet())
        {
            ++i;
            continue;
        }
        if (g->GetTag() == RecordTag(RECORD_SCIENTIST))
            EndGame(WonState);
        delete g;
        guy.erase(guy.begin() + i);
    }
}

static void CollectCheese()
{
    for (size_t i = 0; i < cheese.size();)
    {
        Cheese* c = cheese[i];
        if (!rat.HasCollided(c->GetCollisionBoxes(), nullptr, nullptr))
        {
            ++i;
            continue;
        }
        delete c;
        cheese.erase(cheese.begin() + i);
        score += 1;
    }
}

static bool Touched(const std::vector<CollData>& data, int box)
{
    return static_cast<size_t>(box) < data.size() && data[box].collided;
}

// Walls push the rat back, tops land it, bottoms stop its rise. All tests
// read the overlaps found before any push: only a landing finds them anew.
static void RatAgainstTile(Tile* t)
{
    // Refilled by every test: kept between calls so that no tile allocates.
    static std::vector<CollData> data;
    if (!rat.HasCollided(t->GetCollisionBoxes(), &data, nullptr))
        return;
    if (Touched(data, RAT_BOX_LEFT) && t->RightIsImp() && rat.GetXVel() < 0)
    {
        rat.SetXPos(t->GetXPos() + t->GetXSize() - WALL_OVERLAP);
        rat.SetXVel(0);
    }
    if (Touched(data, RAT_BOX_RIGHT) && t->LeftIsImp() && rat.GetXVel() > 0)
    {
        rat.SetXPos(t->GetXPos() - rat.GetXSize() + WALL_OVERLAP);
        rat.SetXVel(0);
    }
    // Only a rat whose bottom was at or above the tile's top before this
    // frame's move lands: one rising through from below is not set on top.
    if (Touched(data, RAT_BOX_FEET) && t->TopIsImp() && rat.GetYVel() > 0 &&
        t->GetYPos() >= rat.GetYPos() + rat.GetYSize() - rat.GetYVel())
    {
        rat.SetYPos(t->GetYPos() - rat.GetYSize());
        rat.SetYVel(0);
        rat.Landed();
        rat.SetCollBoxes();
        rat.HasCollided(t->GetCollisionBoxes(), &data, nullptr);
    }
    if (Touched(data, RAT_BOX_HEAD) && t->BottomIsImp() && rat.GetYVel() < 0)
    {
        rat.SetYPos(t->GetYPos() + t->GetYSize());
        rat.SetYVel(0);
        rat.Peaked();
    }
}

static void KeepRatInWorld()
{
    if (rat.GetYPos() + rat.GetYSize() > LEVEL_HEIGHT)
        rat.Kill();
    if (rat.GetXPos() < 0)
    {
        rat.SetXPos(0);
        rat.SetXVel(0);
    }
    if (rat.GetXPos() + rat.GetXSize() > LEVEL_WIDTH)
    {
        rat.SetXPos(LEVEL_WIDTH - rat.GetXSize());
        rat.SetXVel(0);
    }
}

// The level clock as this frame leaves it: its reading, or 0 once the time
// limit restarted it.
static Uint32 frameClockMs = 0;
static FrameDrawing lastDrawing = FrameDrawing::Nothing;

Uint32 LevelClockAfterFrame() { return frameClockMs; }

FrameDrawing LastFrameDrawing() { return lastDrawing; }

void DrawFrame(FrameDrawing drawing)
{
    if (drawing == FrameDrawing::Nothing)
        return;
    DrawGame();
    if (drawing == FrameDrawing::Play)
        DrawHUD(frameClockMs);
    else
        DrawHUDLives();
}

// Notes what this frame draws; when asked to draw, draws it and shows it.
static void ShowFrame(FrameDrawing drawing, bool draw)
{
    lastDrawing = drawing;
    if (!draw || drawing == FrameDrawing::Nothing)
        return;
    DrawFrame(drawing);
    VEK_Present(screen);
}

static void CheckTimeLimit()
{
    if (frameClockMs / 1000 > static_cast<Uint32>(LEVEL_TIME))
    {
        rat.Kill();
        gameTimer.Start();
        frameClockMs = 0;
    }
}

static void PlaceCamera()
{
    FollowRat();
    if (rat.GetXPos() > ARENA_X && rat.GetYPos() > ARENA_Y)
    {
        camera.SetBothPos(ARENA_CAMERA_X, ARENA_CAMERA_Y);
        if (rat.IsAlive())
            ForEachScientist(&Guy::Unmute);
    }
}

bool PlayFrame(const FrameInput& input, bool draw)
{
    lastDrawing = FrameDrawing::Nothing;
    frameClockMs = input.levelClockMs;
    TakePress(input.press);
    MoveByHeldKeys(input);
    UpdateEnemies();
    for (Cheese* c : cheese)
        c->UpdateSprite();
    rat.Update();
    CollectCheese();
    for (Guy* g : guy)
        g->HandleRat(rat);
    CheckedGridOf(tile); // once a frame, against the whole list
    ForEachTileNear(tile, rat, RatAgainstTile);
    for (Guy* g : guy)
        g->HandleTiles(tile);
    for (Guy* g : guy)
        if (g->GetYPos() + g->GetYSize() > LEVEL_HEIGHT)
            g->Kill();
    KeepRatInWorld();
    CheckTimeLimit();
    if (rat.GetLives() <= 0)
    {
        // The loss wins over a win or a dialog pushed earlier this frame.
        EndGame(LostState);
        return false;
    }
    if (!rat.IsAlive())
    {
        ForEachScientist(&Guy::Mute);
        rat.UpdateSprite();
        PushState(RespawnState);
    }
    PlaceCamera();
    ShowFrame(frameCount % DRAW_EVERY == 0 ? FrameDrawing::Play : FrameDrawing::Nothing, draw);
    return true;
}

void PlayState()
{
    while (IsTopState(PlayState))
    {
        VEK_SetPadContext(VEK_PAD_PLAY);
        FrameInput input = ReadLiveInput(true);
        const int hiScoreBefore = hiScore;
        bool going = PlayFrame(input, true);
        RecordGameFrame(input, frameClockMs);
        // A raised high score goes to disk at once, so that a crash, a
        // kill or a power cut later cannot take it.
        if (hiScore != hiScoreBefore)
            StoreHiScore(hiScore);
        if (!going)
            return;
        CapFrameRate();
    }
}

void RespawnFrame(const FrameInput& input, bool draw)
{
    frameClockMs = input.levelClockMs;
    if (rat.Respawn())
        PopState();
    FollowRat();
    ShowFrame(FrameDrawing::Respawn, draw);
}

void RespawnState()
{
    VEK_SetPadContext(VEK_PAD_PLAY);
    // Events wait for play: a respawn frame takes none.
    FrameInput input = ReadLiveInput(false);
    RespawnFrame(input, true);
    RecordGameFrame(input, frameClockMs);
    CapFrameRate();
}
