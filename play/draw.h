#pragma once
// Drawing of the world and the heads-up display onto the screen. Nothing
// here flips the screen.

#include <SDL.h>

void DrawGame();
// The HUD for a frame whose level clock read levelClockMs.
void DrawHUD(Uint32 levelClockMs);
void DrawHUDScore();
void DrawHUDLives();
void DrawHUDTime(Uint32 levelClockMs);
// Frees the HUD's rendered texts, before the fonts they came from go.
void ReleaseDrawCaches();

// Where the background's first copy starts, for a camera at cameraX and a
// picture width wide.
int BackgroundSourceX(int cameraX, int width);
