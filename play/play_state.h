#pragma once
#include "app/state_stack.h"
#include "play/frame_input.h"

void PrePlay();
// PrePlay's set-up of a game on the level already in the lists: clock,
// score, lives, music, camera.
void StartGameOnLevel();
// A test play sets the state its game returns to when it ends, in place of
// the main menu, and clears it (nullptr) afterwards; while it is set, no
// game end raises the high score.
void SetTestGameHome(StateFunction home);
StateFunction GameHome();
void PlayState();
void RespawnState();

// The one frame of play, run by the play state, the replays and the replay
// search alike: the world moves by the input, then the screen is drawn on
// every second frame when draw is set. False when the game was lost this
// frame: the state then returns at once, without drawing or pacing.
bool PlayFrame(const FrameInput& input, bool draw);
// The one frame of the respawn glide (it reads only the level clock).
void RespawnFrame(const FrameInput& input, bool draw);
// The level clock as the last frame left it: the input's reading, or 0 when
// the time limit restarted the clock in that frame.
Uint32 LevelClockAfterFrame();
// Raises hiScore to score when a game ends.
void RecordHiScore();
