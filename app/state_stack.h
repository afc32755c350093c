#pragma once
#include <deque>
#include <stack>

// Every screen of the game is a state function on this stack; the run loop
// calls whatever is on top until the stack is empty.
typedef void (*StateFunction)();

struct StateStruct
{
    StateFunction StatePointer;
};

extern std::stack<StateStruct, std::deque<StateStruct>> StateStack;

void PushState(StateFunction state);
void PopState();
// True when the stack is not empty and its top entry holds state.
bool IsTopState(StateFunction state);
// Pops until the top entry holds state (or the stack is empty).
void PopUntil(StateFunction state);
void PopAll();

// Calls the top state until the stack is empty; a termination request
// (SIGTERM, SIGINT) empties it.
void RunStates();

// Holds each frame to at least 20 ms, keeps the frame counter and shows the
// frames-per-second caption; after a termination request it empties the
// stack, so that the frame's state loop ends.
void CapFrameRate();
// The caption CapFrameRate shows for a frame of the given length.
void FrameRateCaption(unsigned elapsedMs, char* text, unsigned size);
