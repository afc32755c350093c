#pragma once
// Named tuning values shared by the whole game. Everything in the world is
// measured in whole pixels and frames.

const int SCREEN_WIDTH = 640;
const int SCREEN_HEIGHT = 480;
const int SCREEN_BPP = 32;
const int FRAMES_PER_SPRITE = 6;

const int TILE_WIDTH = 32;
const int TILE_HEIGHT = 32;
const int TILES_WIDE = 192;
const int TILES_HIGH = 31;
const int LEVEL_WIDTH = 6144;
const int LEVEL_HEIGHT = 992;

const int CAMERA_TIGHTNESS_X = 224;
const int CAMERA_TIGHTNESS_Y = 192;

const int GRAVITY = 3;
const int TERMINAL_VEL = 12;
const int LIVES = 5;
const int LEVEL_TIME = 400;
const int DEAD_FOR = 18;

const int RAT_WIDTH = 40;
const int RAT_HEIGHT = 60;
const int BURGER_WIDTH = 40;
const int BURGER_HEIGHT = 50;
const int EEL_WIDTH = 30;
const int EEL_HEIGHT = 70;
const int SCIENTIST_WIDTH = 120;
const int SCIENTIST_HEIGHT = 180;

#include <SDL.h>
// The bounds every camera follow is clamped to.
const SDL_Rect LEVEL_RECT = {0, 0, LEVEL_WIDTH, LEVEL_HEIGHT};
