#pragma once
#include "canvas.h"
#include "palette.h"

// Every picture of the game, drawn from the shared palette. Sheets come back
// laid out exactly as the game cuts them into clips.

// Characters (1-pixel ink outline, light from the top left).
Canvas DrawRatSheet(const Palette& pal);       // 9 frames of 40 x 60
Canvas DrawRatStanding(const Palette& pal);    // one 40 x 60 frame, facing right
Canvas DrawBurgerSheet(const Palette& pal);    // 5 frames of 40 x 50
Canvas DrawEelSheet(const Palette& pal);       // 5 frames of 30 x 70
Canvas DrawScientistSheet(const Palette& pal); // 15 frames of 120 x 180
Canvas DrawPondweedSheet(const Palette& pal);  // 2 frames of 30 x 30
Canvas DrawCheeseSheet(const Palette& pal);    // 13 frames of 32 x 32, 4 a row

// Tiles (no outline; 4 a row).
Canvas DrawTerrainSheet(const Palette& pal); // 18 tiles of 32 x 32
Canvas DrawWaterSheet(const Palette& pal);   // 8 tiles of 32 x 32, fully opaque

// Screens and interface.
Canvas DrawLevelBackground(const Palette& pal); // repeats sideways
Canvas DrawMenuBackground(const Palette& pal);  // 640 x 480
Canvas DrawCursor(const Palette& pal);          // 32 x 32 frame, clear middle
Canvas DrawMenuBox(const Palette& pal);         // 90 x 90, 3 x 3 pieces of 30
