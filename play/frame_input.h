#pragma once
#include <SDL.h>

// The one key event a play frame acts on, reduced to what play knows.
enum class FramePress
{
    None,
    P,
    Escape,
    Return,
    Close // the window's close button
};

// Everything a frame of the game reads from outside it: the held keys, the
// press it takes, and the level clock. The live game fills it from SDL and
// the game timer; a replay fills it from its file.
struct FrameInput
{
    bool left = false;
    bool right = false;
    bool up = false;
    FramePress press = FramePress::None;
    Uint32 levelClockMs = 0;
};
