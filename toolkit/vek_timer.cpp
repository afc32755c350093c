#include "toolkit/vek_timer.h"
#include "toolkit/vek_clock.h"

VekTimer::VekTimer() { Stop(); }

void VekTimer::Start()
{
    started = true;
    paused = false;
    ticks = VEK_GetTicks();
}

void VekTimer::Stop()
{
    started = false;
    paused = false;
    ticks = 0;
}

void VekTimer::Pause()
{
    if (!started || paused)
        return;
    paused = true;
    ticks = VEK_GetTicks() - ticks;
}

void VekTimer::Resume()
{
    if (!started || !paused)
        return;
    paused = false;
    // Moves the start forward by however long the pause lasted.
    ticks = VEK_GetTicks() - ticks;
}

Uint32 VekTimer::GetTicks() const
{
    if (!started)
        return 0;
    if (paused)
        return ticks;
    return VEK_GetTicks() - ticks;
}
