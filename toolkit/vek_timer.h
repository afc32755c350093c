#pragma once
#include <SDL.h>

// A pausable millisecond stopwatch on top of the game clock (VEK_GetTicks).
class VekTimer
{
public:
    VekTimer();
    void Start();
    void Stop();
    void Pause();
    void Resume();
    Uint32 GetTicks() const;
    bool IsStarted() const { return started; }
    bool IsPaused() const { return paused; }

private:
    // While running: the tick count at which the timer would have started
    // had it never been paused. While paused: the elapsed time at the pause.
    Uint32 ticks;
    bool started;
    bool paused;
};
