#pragma once
#include <SDL.h>
#include <string>
#include <vector>
#include "app/state_stack.h"

// The headless test harness. main() puts every test program in a fresh
// temporary working folder holding the generated assets, with SDL's dummy
// video and audio drivers.

// The temporary working folder of this test program.
const std::string& TestDir();

// Brings the game up once per process as the program does (libraries,
// window, assets, clips, class defaults); false when it could not. Seeds
// both random generators with a fixed value each call.
bool StartGame();

// Held keys, written straight into SDL's key-state array.
void HoldKey(SDLKey key, bool down = true);
// Queues a key press (and release) event.
void PushKeyPress(SDLKey key);
void PushQuitEvent();
// Drops every queued event.
void DrainEvents();

// The state stack, bottom first.
using Stack_t = std::vector<StateFunction>;
Stack_t Stack();

// Empties the state stack, the world lists and the event queue, lets go of
// every key and resets the play globals, so that one test cannot leak into
// the next.
void ResetGameState();

// A fake millisecond clock for the game's timers and pacing: while it is
// installed, VEK_GetTicks reads it and VEK_Delay advances it.
void InstallFakeClock(Uint32 startMs = 1000);
void AdvanceFakeClock(Uint32 ms);
void RemoveFakeClock();

// A pixel of a surface as 0xRRGGBB.
Uint32 PixelRGB(SDL_Surface* surface, int x, int y);
// A surface's pixel bytes, row by row, padding and all.
std::vector<Uint8> SurfaceBytes(SDL_Surface* surface);
// How many pixels of a surface have the colour 0xRRGGBB.
int CountColour(SDL_Surface* surface, Uint32 rgb);

// Whole contents of a file ("" when missing); writes a file.
std::string ReadFile(const std::string& name);
void WriteFile(const std::string& name, const std::string& contents);
bool FileExists(const std::string& name);
