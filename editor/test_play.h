#pragma once

// T in the editor plays the level as it stands, unsaved: the real game's
// frames on a copy of the level made as a load of its saved text would
// make it, while the editor's own lists wait aside untouched. Back in the
// editor everything is as it was: every element, its state and its order,
// the rat, the cursor, mode, kinds and camera. A test play is not
// recorded and never raises the high score.

// Asks for a test play from the rat's start, or from the cursor's cell
// (the rat standing on its bottom edge). It starts once the editor's frame
// is over.
void RequestTestPlay(bool fromCursor);
// The state under the game of a test play: its first call sets the
// editor's level aside and starts the game, the next (when the game is
// over or left) puts the editor back.
void TestPlayState();

// The two halves, without the states: what the benchmark times.
void BeginTestPlay(bool fromCursor);
void EndTestPlay();
