#pragma once
#include <SDL.h>

// Every millisecond the game measures, and every wait it makes, goes through
// these two calls. The game uses SDL's tick counter and SDL_Delay; tests
// swap in a clock of their own so that a 400-second level clock or a paced
// frame can be checked without waiting for real. (Replays carry the level
// clock in their frames' input instead.)
typedef Uint32 (*VekTickSource)();
typedef void (*VekDelaySink)(Uint32 ms);

Uint32 VEK_GetTicks();
void VEK_Delay(Uint32 ms);

// Null restores SDL's own.
void VEK_SetTickSource(VekTickSource source);
void VEK_SetDelaySink(VekDelaySink sink);
