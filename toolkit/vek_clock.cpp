#include "toolkit/vek_clock.h"

static VekTickSource tickSource = nullptr;
static VekDelaySink delaySink = nullptr;

Uint32 VEK_GetTicks() { return tickSource ? tickSource() : SDL_GetTicks(); }

void VEK_Delay(Uint32 ms)
{
    if (delaySink)
        delaySink(ms);
    else
        SDL_Delay(ms);
}

void VEK_SetTickSource(VekTickSource source) { tickSource = source; }
void VEK_SetDelaySink(VekDelaySink sink) { delaySink = sink; }
