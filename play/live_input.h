#pragma once
#include "play/frame_input.h"

// The live game's input for one frame: the held keys, the level clock and,
// when takeEvent is set, at most one event. The event is left in the shared
// `event`, where the dialogs pushed by it read it; events the game has no
// use for are taken all the same, one a frame.
FrameInput ReadLiveInput(bool takeEvent);
