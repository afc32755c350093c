#include "world/game_random.h"

// A small xorshift generator: the same stream for the same seed on every
// machine, unlike the C library's rand().
static uint32_t state = 2463534242u;

void SeedGameRandom(uint32_t seed) { state = seed ? seed : 2463534242u; }

uint32_t GameRandomState() { return state; }

int GameRand()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<int>(state >> 1);
}
