#pragma once
#include <SDL.h>
#include "world/things.h"

inline SDL_Rect CameraAt(int x, int y) { return MakeRect(x, y, 640, 480); }
