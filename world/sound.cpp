#include "world/sound.h"

void PlaySound(Mix_Chunk* sound, int repeats)
{
    if (!sound)
        return;
    Mix_PlayChannelTimed(-1, sound, repeats, -1);
}
