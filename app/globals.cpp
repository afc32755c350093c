#include "app/globals.h"
#include "app/state_stack.h"
#include "enemies/guy.h"

// Everything here has static storage; the definitions follow the order in
// which the game expects the globals with constructors to be built (and, in
// reverse, destroyed): clip lists, state stack, timers, world lists, rat.

SDL_Surface* screen = nullptr;
bool fullScreen = false;
SDL_Event event = SDL_Event();

SDL_Surface* menuBox = nullptr;
SDL_Surface* menu_bg = nullptr;
SDL_Surface* cursor_ss = nullptr;
SDL_Surface* level_bg = nullptr;
SDL_Surface* terrain_ts = nullptr;
SDL_Surface* water_ts = nullptr;
SDL_Surface* cheese_ss = nullptr;
SDL_Surface* burger_ss = nullptr;
SDL_Surface* eel_ss = nullptr;
SDL_Surface* scientist_ss = nullptr;
SDL_Surface* projectile_ss = nullptr;
SDL_Surface* rat_ss = nullptr;

std::vector<SDL_Rect> terrainClips;
std::vector<SDL_Rect> waterClips;
std::vector<SDL_Rect> cheeseClips;
std::vector<SDL_Rect> burgerClips;
std::vector<SDL_Rect> eelClips;
std::vector<SDL_Rect> scientistClips;
std::vector<SDL_Rect> projectileClips;
std::vector<SDL_Rect> ratClips;

Mix_Music* music1 = nullptr;
Mix_Music* music2 = nullptr;
Mix_Chunk* rat_jump_se = nullptr;
Mix_Chunk* rat_die_se = nullptr;
Mix_Chunk* eel_kill_se = nullptr;
Mix_Chunk* burger_die_se = nullptr;
Mix_Chunk* sci_drink_se = nullptr;
Mix_Chunk* sci_throw_se = nullptr;

TTF_Font* font1 = nullptr;
TTF_Font* font2 = nullptr;

std::stack<StateStruct, std::deque<StateStruct>> StateStack;
VekTimer gameTimer;
VekTimer frameTimer;
Uint32 lastFrame = 0;
Uint32 frameCount = 0;

Camera camera;
std::vector<Cheese*> cheese;
std::vector<Tile*> tile;
std::vector<Guy*> guy;
Rat rat;

int score = 0;
int hiScore = 0;
SDL_Color color2 = {220, 190, 60, 0};
int level = 1;
