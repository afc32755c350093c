#pragma once
// The program's life: start-up, the state loop, shutdown.

// Returns 0 after a normal run, 1 when start-up fails.
int SDL_main(int argc, char* argv[]);

// Without audio (the tools) no sound device is opened and no sound loaded;
// the game then plays silently.
bool init(bool withAudio = true);
// Stops SDL from queueing the event types no state reads (mouse, focus,
// exposure, resizing); init does this.
void IgnoreUnreadEvents();
bool load_files(bool withAudio = true);
void SetClips();
void SetGuyDefaults();
void clean_up();

// Frees every loaded asset (and nulls the globals) without touching the
// libraries or the high score; clean_up uses it, and so do tests.
void FreeAssets();
