#include "play/live_input.h"
#include "app/globals.h"
#include "toolkit/vek_pad.h"

static FramePress PressOf(const SDL_Event& e)
{
    if (e.type == SDL_QUIT)
        return FramePress::Close;
    if (e.type != SDL_KEYDOWN)
        return FramePress::None;
    switch (e.key.keysym.sym)
    {
    case SDLK_p:
        return FramePress::P;
    case SDLK_ESCAPE:
        return FramePress::Escape;
    case SDLK_RETURN:
        return FramePress::Return;
    default:
        return FramePress::None;
    }
}

FrameInput ReadLiveInput(bool takeEvent)
{
    FrameInput input;
    // Polling first brings the key state up to date with the event taken.
    if (takeEvent && SDL_PollEvent(&event))
        input.press = PressOf(event);
    // The keyboard's held keys and a game pad's.
    const Uint8* keys = VEK_HeldKeys();
    input.left = keys[SDLK_LEFT] != 0;
    input.right = keys[SDLK_RIGHT] != 0;
    input.up = keys[SDLK_UP] != 0;
    input.levelClockMs = gameTimer.GetTicks();
    return input;
}
