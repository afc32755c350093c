#pragma once

// Starts SDL's video (and with it SDL itself), riding out a display that
// refuses the game for a moment; false, after one line on stderr naming
// SDL's error, when it never lets the game in.
bool StartVideo();
