#include "app/state_stack.h"
#include <cstdio>
#include "app/globals.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_signals.h"

static const Uint32 MIN_FRAME_MS = 1000 / 50;
static const Uint32 CAPTION_EVERY = 7;

void PushState(StateFunction state)
{
    StateStruct entry;
    entry.StatePointer = state;
    StateStack.push(entry);
}

void PopState()
{
    if (!StateStack.empty())
        StateStack.pop();
}

bool IsTopState(StateFunction state) { return !StateStack.empty() && StateStack.top().StatePointer == state; }

void PopUntil(StateFunction state)
{
    while (!StateStack.empty() && StateStack.top().StatePointer != state)
        StateStack.pop();
}

void PopAll()
{
    while (!StateStack.empty())
        StateStack.pop();
}

// A termination request empties the stack whatever is on it: every state
// loop then ends at its next check and the program leaves through its
// normal shutdown.
static void HonourTerminationRequest()
{
    if (VEK_TerminationRequested())
        PopAll();
}

void RunStates()
{
    for (HonourTerminationRequest(); !StateStack.empty(); HonourTerminationRequest())
        StateStack.top().StatePointer();
}

void FrameRateCaption(unsigned elapsedMs, char* text, unsigned size)
{
    // A paced frame is never shorter than 20 ms; this only keeps a direct
    // call with 0 from dividing by it.
    const unsigned ms = elapsedMs ? elapsedMs : 1;
    snprintf(text, size, "Now running at %u frames per second.", 1000u / ms);
}

void CapFrameRate()
{
    Uint32 elapsed = frameTimer.GetTicks() - lastFrame;
    while (elapsed < MIN_FRAME_MS)
    {
        // Sleep, then measure again: a wait may end early.
        VEK_Delay(MIN_FRAME_MS - elapsed);
        elapsed = frameTimer.GetTicks() - lastFrame;
    }

    if (frameCount % CAPTION_EVERY == 0)
    {
        char caption[64];
        FrameRateCaption(elapsed, caption, sizeof caption);
        SDL_WM_SetCaption(caption, NULL);
    }

    lastFrame = frameTimer.GetTicks();
    ++frameCount;
    HonourTerminationRequest();
}
