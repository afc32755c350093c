#pragma once
// What start-up checks before it brings up SDL, and how it says why it
// cannot start: every failure that ends the program with status 1 first
// prints one line on stderr naming what failed.
#include <string>

// No display, no data folder: says so and returns false. Also picks the
// silent audio driver when the machine has no sound device at all.
bool PrepareToStart();

// Prints "sumprun: <what>" and returns false, for `return StartFailed(...)`.
bool StartFailed(const std::string& what);
// The same for a subsystem that failed, followed by SDL's own error text:
// SubsystemFailed("cannot open the audio device").
bool SubsystemFailed(const char* what);
// The same for a needed asset that did not load: names the file and why.
bool AssetFailed(const char* file);

// True when a window can be opened: a display, or a video driver chosen.
bool HasDisplay();
// True when the machine shows no sign of a sound card or sound server.
bool LacksSoundDevice();
