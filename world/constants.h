#pragma once
// Named tuning values shared by the whole game. Everything in the world is
// measured in whole pixels and frames. The level's cell grid and the sizes
// of the things it places are the level format's.
#include "world/level_format.h"

const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;
const int SCREEN_BPP = 32;
const int FRAMES_PER_SPRITE = 6;

const int CAMERA_TIGHTNESS_X = 224;
const int CAMERA_TIGHTNESS_Y = 192;

const int GRAVITY = 3;
const int TERMINAL_VEL = 12;
const int LIVES = 5;
const int LEVEL_TIME = 400;
const int DEAD_FOR = 18;

#include <SDL.h>
// The bounds every camera follow is clamped to.
const SDL_Rect LEVEL_RECT = {0, 0, LEVEL_WIDTH, LEVEL_HEIGHT};
