#pragma once
// Assets and world state shared by the whole game. Assets are loaded once at
// start-up and freed once at shutdown; everything else only borrows them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <vector>
#include "app/asset_table.h"
#include "toolkit/vek_timer.h"
#include "world/camera.h"
#include "world/cheese.h"
#include "world/rat.h"
#include "world/tiles.h"

class Guy;

extern SDL_Surface* screen;
extern bool fullScreen;
extern SDL_Event event;

// The assets, one global (and a clip list for each sprite sheet) per row of
// the asset table.
#define SUMPRUN_DECLARE_IMAGE(global, ...) extern SDL_Surface* global;
#define SUMPRUN_DECLARE_SHEET(global, file, need, clips, ...)                                                          \
    extern SDL_Surface* global;                                                                                        \
    extern std::vector<SDL_Rect> clips;
#define SUMPRUN_DECLARE_MUSIC(global, ...) extern Mix_Music* global;
#define SUMPRUN_DECLARE_EFFECT(global, ...) extern Mix_Chunk* global;
#define SUMPRUN_DECLARE_FONT(global, ...) extern TTF_Font* global;
SUMPRUN_ASSETS(SUMPRUN_DECLARE_IMAGE, SUMPRUN_DECLARE_SHEET, SUMPRUN_DECLARE_MUSIC, SUMPRUN_DECLARE_EFFECT,
               SUMPRUN_DECLARE_FONT)
#undef SUMPRUN_DECLARE_IMAGE
#undef SUMPRUN_DECLARE_SHEET
#undef SUMPRUN_DECLARE_MUSIC
#undef SUMPRUN_DECLARE_EFFECT
#undef SUMPRUN_DECLARE_FONT

extern VekTimer gameTimer;
extern VekTimer frameTimer;
extern Uint32 lastFrame;
extern Uint32 frameCount;

extern Camera camera;
extern std::vector<Cheese*> cheese;
extern std::vector<Tile*> tile;
extern std::vector<Guy*> guy;
extern Rat rat;

extern int score;
extern int hiScore;
extern SDL_Color color2;
extern int level;
