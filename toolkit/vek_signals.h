#pragma once

// A request from outside to end the program (SIGTERM from a logout, a
// shutdown or a launcher; SIGINT from Ctrl-C; SIGHUP from a closed terminal
// or a logout). The handler only notes it;
// the program's own loops look at the note once a frame and wind down
// through their normal exit, so nothing is cut off halfway.
//
// Installed before SDL starts, these handlers also keep SDL from turning the
// signals into SDL_QUIT events, so that SDL_QUIT always means the window's
// close button.
void VEK_CatchTerminationSignals();
bool VEK_TerminationRequested();
// Forgets a noted request (for tests, which raise signals on purpose).
void VEK_ForgetTerminationRequest();
