#pragma once
// Assets and world state shared by the whole game. Assets are loaded once at
// start-up and freed once at shutdown; everything else only borrows them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <vector>
#include "toolkit/vek_timer.h"
#include "world/camera.h"
#include "world/cheese.h"
#include "world/rat.h"
#include "world/tiles.h"

class Guy;

extern SDL_Surface* screen;
extern bool fullScreen;
extern SDL_Event event;

extern SDL_Surface* menuBox;
extern SDL_Surface* menu_bg;
extern SDL_Surface* cursor_ss;
extern SDL_Surface* level_bg;
extern SDL_Surface* terrain_ts;
extern SDL_Surface* water_ts;
extern SDL_Surface* cheese_ss;
extern SDL_Surface* burger_ss;
extern SDL_Surface* eel_ss;
extern SDL_Surface* scientist_ss;
extern SDL_Surface* projectile_ss;
extern SDL_Surface* rat_ss;

extern std::vector<SDL_Rect> terrainClips;
extern std::vector<SDL_Rect> waterClips;
extern std::vector<SDL_Rect> cheeseClips;
extern std::vector<SDL_Rect> burgerClips;
extern std::vector<SDL_Rect> eelClips;
extern std::vector<SDL_Rect> scientistClips;
extern std::vector<SDL_Rect> projectileClips;
extern std::vector<SDL_Rect> ratClips;

extern Mix_Music* music1;
extern Mix_Music* music2;
extern Mix_Chunk* rat_jump_se;
extern Mix_Chunk* rat_die_se;
extern Mix_Chunk* eel_kill_se;
extern Mix_Chunk* burger_die_se;
extern Mix_Chunk* sci_drink_se;
extern Mix_Chunk* sci_throw_se;

extern TTF_Font* font1; // 50-point headings
extern TTF_Font* font2; // 25-point HUD and small dialog text

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
