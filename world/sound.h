#pragma once
#include <SDL_mixer.h>

// Plays an effect on the first free channel; a sound that failed to load, or
// a mixer with no free channel, plays nothing. repeats 1 plays it twice.
void PlaySound(Mix_Chunk* sound, int repeats = 0);
