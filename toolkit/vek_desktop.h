#pragma once

// What the game asks of the desktop beyond SDL 1.2's own calls: which SDL
// 1.2 it runs on, and a window manager's presence.

// True when SDL 1.2's interface is served by SDL2 (sdl12-compat, the SDL 1.2
// of most current distributions), which reports itself as 1.2.50 or later.
bool VEK_OnSdl2();

// True when a window manager runs on the X display of the game's window;
// false without a window, or off X11.
bool VEK_WindowManagerRunning();

// Moves the game's window to the screen's top-left corner, where a window
// the screen's size covers it all.
void VEK_MoveWindowToOrigin();

// Gives the window to come the icon in the picture file (its alpha made the
// icon's mask); must come before the video mode is set. False when the file
// does not load, and the window keeps the desktop's generic icon.
bool VEK_SetWindowIcon(const char* fileName);
