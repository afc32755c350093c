#pragma once

// Starts SDL's video (and with it SDL itself), riding out a display that
// refuses the game for a moment; false, with SDL's error set, when it never
// lets the game in.
bool StartVideo();
