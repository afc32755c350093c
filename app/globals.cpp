#include "app/globals.h"
#include "app/state_stack.h"
#include "enemies/guy.h"

// Everything here has static storage; the definitions follow the order in
// which the game expects the globals with constructors to be built (and, in
// reverse, destroyed): clip lists, state stack, timers, world lists, rat.

SDL_Surface* screen = nullptr;
bool fullScreen = false;
SDL_Event event = SDL_Event();

#define SUMPRUN_DEFINE_IMAGE(global, ...) SDL_Surface* global = nullptr;
#define SUMPRUN_DEFINE_SHEET(global, file, need, clips, ...)                                                           \
    SDL_Surface* global = nullptr;                                                                                     \
    std::vector<SDL_Rect> clips;
#define SUMPRUN_DEFINE_MUSIC(global, ...) Mix_Music* global = nullptr;
#define SUMPRUN_DEFINE_EFFECT(global, ...) Mix_Chunk* global = nullptr;
#define SUMPRUN_DEFINE_FONT(global, ...) TTF_Font* global = nullptr;
SUMPRUN_ASSETS(SUMPRUN_DEFINE_IMAGE, SUMPRUN_DEFINE_SHEET, SUMPRUN_DEFINE_MUSIC, SUMPRUN_DEFINE_EFFECT,
               SUMPRUN_DEFINE_FONT)

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
