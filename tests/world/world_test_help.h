#pragma once
#include <SDL.h>
#include <vector>
#include "world/things.h"

// A rectangle as plain numbers, for comparing and printing.
inline std::vector<int> Fields(const SDL_Rect& r) { return {r.x, r.y, r.w, r.h}; }
inline SDL_Rect CameraAt(int x, int y) { return MakeRect(x, y, 640, 480); }
