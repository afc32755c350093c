#pragma once
#include <string>
#include "play/frame_input.h"

// Every game played in the window is recorded as a replay and written when
// it ends (won, lost or quit) to "lastgame.replay", or to the file named by
// --record. Recording a frame only appends to runs in memory; the file is
// written beside the game by a thread of its own, and a failure to write it
// is reported on stderr and changes nothing else.

// The name the last game's replay is written to when --record is not given.
extern const char* const LAST_GAME_REPLAY;

// A new game starts on the current level; call before PrePlay, which draws
// on the generator whose state is recorded.
void BeginGameRecording();
// After each frame of the live game, with the input it ran on and the level
// clock as the frame left it. Writes the replay when the frame ended the
// game.
void RecordGameFrame(const FrameInput& input, Uint32 levelClockAfter);
// The game being recorded is over (or quit): writes it. Nothing happens
// when no game is being recorded.
void EndGameRecording();
// Waits until the last replay written is on disk.
void FinishRecordingWrites();
