#pragma once
// The program's life: start-up, the state loop, shutdown.
#include "app/assets.h"

// Returns 0 after a normal run, 1 when start-up fails.
int SDL_main(int argc, char* argv[]);

// Without audio (the tools) no sound device is opened and no sound loaded;
// the game then plays silently.
bool init(bool withAudio = true);
// Stops SDL from queueing the event types no state reads (mouse, focus,
// exposure, resizing); init does this.
void IgnoreUnreadEvents();
// Loads the assets (app/assets.h) and reads the high score.
bool load_files(bool withAudio = true);
void clean_up();
