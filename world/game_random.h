#pragma once
#include <cstdint>

// The game's own random numbers, kept apart from the C library's rand() so
// that drawing (the water animation draws rand()) can never change the
// course of a game. Seeded once at start-up, and by tests and replays.
const int GAME_RAND_MAX = 0x7fffffff;
void SeedGameRandom(uint32_t seed);
// The generator's state: seeding with it carries on the same stream (a
// replay records it at the start of a game).
uint32_t GameRandomState();
// Uniform in 0 .. GAME_RAND_MAX, like rand().
int GameRand();
